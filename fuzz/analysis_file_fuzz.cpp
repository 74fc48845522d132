// Feeds arbitrary bytes to the analysis file reader: the check pass, the load pass in the
// file's application and units, the input fields filled from the table, and the file
// written again. Every question is answered with its first button, the one that goes on.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/input_fields.h"
#include "app/main_window_state.h"
#include "files/analysis_file_reader.h"
#include "files/analysis_file_writer.h"

namespace {

class GoOnUserInterface : public wattora::UserInterface {
 public:
  wattora::Button ShowMessage(const wattora::MessageRequest& request) override {
    return request.buttons.empty() ? wattora::Button::OK : request.buttons.front();
  }
  void Beep() override {}
  std::optional<std::string> ChooseFileToOpen(const wattora::FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseFileToSave(const wattora::FileDialogRequest&) override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wattora;
  GoOnUserInterface ui;
  MainWindowState state(ui);
  CreateMainWindow(state);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const FileReadResult check = ReadAnalysisText(state, bytes, ReadPass::Check);
  state.record.Application =
      check.applicationType == kFileTypePump ? ApplicationKind::Pump : ApplicationKind::Fan;
  RebuildParameterTable(state);
  const FileReadResult load = ReadAnalysisText(state, bytes, ReadPass::Load);
  if (check.complete != load.complete) __builtin_trap();  // both passes judge the same bytes
  FillFieldsFromCurrent(state, FieldGroup::All);
  StoreFieldsToTable(state);
  state.record.RebuildMemos();
  // Whatever was loaded can be written and read again. (A customer or cost text that reads
  // like a section header still changes the meaning of the written file, so the second read
  // is not required to be complete.)
  const std::string written = FormatAnalysisFile(state, "1/1/2000");
  ReadAnalysisText(state, written, ReadPass::Check);
  return 0;
}
