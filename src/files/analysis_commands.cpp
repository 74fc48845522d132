#include "files/analysis_commands.h"

#include <filesystem>

#include "analysis/unit_labels.h"
#include "app/analysis_steps.h"
#include "app/input_fields.h"
#include "charts/result_charts.h"
#include "curve/build_curve_model.h"
#include "energy/costs.h"
#include "energy/recalculate.h"
#include "files/analysis_file_reader.h"
#include "files/analysis_file_writer.h"
#include "files/file_io.h"
#include "files/recent_analyses.h"
#include "ui/messages.h"

namespace wattora {
namespace {

constexpr std::string_view kProgramTitle = "KRA\xC2\xAE Wattora";
constexpr std::string_view kDefaultFileName = "KRAProject.DMC";
constexpr std::string_view kAnalysisExtension = ".DMC";

// A filter of the translation table ("Name (*.A;*.B)|*.A;*.B|") in the form of the file
// dialog requests ("Name (*.A *.B)", several joined by ";;").
std::string DialogFilter(std::string_view table) {
  std::string filter;
  while (!table.empty()) {
    const std::size_t bar = table.find('|');
    if (bar == std::string_view::npos) break;
    std::string_view name = table.substr(0, bar);
    table.remove_prefix(bar + 1);
    const std::size_t end = table.find('|');
    std::string_view patterns = table.substr(0, end);
    table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
    if (const std::size_t open = name.find(" ("); open != std::string_view::npos) {
      name = name.substr(0, open);
    }
    if (!filter.empty()) filter += ";;";
    filter += name;
    filter += " (";
    for (const char c : patterns) filter += c == ';' ? ' ' : c;
    filter += ')';
  }
  return filter;
}

bool PathExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::exists(PathFromUtf8(path), error);
}

void ShowMainWindowMessage(MainWindowState& state, MessageType type, std::string_view key) {
  ShowMessage(state.ui, TextTable::MainWindow, type, key, {Button::OK});
}

// The caption the save commands leave: the application's text even without a project name.
void UpdateCaptionAfterSave(MainWindowState& state) {
  const ApplicationKind kind = state.record.Application;
  std::string title(kProgramTitle);
  if (kind != ApplicationKind::None) {
    title += Message(TextTable::MainWindow, kind == ApplicationKind::Pump ? "IDS_57" : "IDS_56");
    title += state.form.Text("QNUM");
  }
  state.WindowTitle = std::move(title);
}

// Asks whether to save the active, modified analysis first; false when the user cancels.
bool AskToSaveFirst(MainWindowState& state, SettingsStore& store, bool named) {
  const ApplicationKind kind = state.record.Application;
  if (kind == ApplicationKind::None || !state.record.Modified) return true;
  const bool pump = kind == ApplicationKind::Pump;
  const std::string_view key = named ? (pump ? "IDS_11" : "IDS_12") : (pump ? "IDS_38" : "IDS_39");
  const Button answer = ShowMessage(state.ui, TextTable::MainWindow, MessageType::Confirmation, key,
                                    {Button::Yes, Button::No, Button::Cancel});
  if (answer == Button::Cancel) return false;
  if (answer == Button::Yes) SaveAnalysis(state, store);
  state.record.CurrentFileName.clear();
  return true;
}

// The steps screen, as after starting an analysis.
void ShowStepsScreen(Form& form) {
  form.SetVisible("MainMenuScreen", false);
  form.SetVisible("GuideScreen", false);
  form.SetVisible("GraphsScreen", false);
  form.SetVisible("StepsScreen", true);
  form.Pages("CalcPanel").SetActivePage(0);
}

// The check pass, then the main window in the file's application and units, the load pass
// and the views. The bytes are read once; the load pass does not repeat the questions about
// malformed lines that the check pass asked.
OpenOutcome LoadAnalysis(MainWindowState& state, std::string_view path) {
  std::string bytes;
  if (!LoadAnalysisFileBytes(state.ui, path, bytes)) return OpenOutcome::Unreadable;
  const FileReadResult check = ReadAnalysisText(state, bytes, ReadPass::Check);
  if (!check.complete) return OpenOutcome::Refused;

  Form& form = state.form;
  form.SetVisible("DutyCyclePanel", false);
  form.SetVisible("FanAdvanced", false);
  form.SetVisible("ADVANCEDGRAPH", false);
  form.SetVisible("Step2", true);
  state.curve.CurveDefaultsPending = false;
  state.record.SetLimitedText("QNUM", check.projectName);
  form.SetText("QNUM1", form.Text("QNUM"));
  state.record.Modified = false;

  // A complete file names a fan or a pump: a cooling tower never has its units accepted.
  const bool pump = check.applicationType == kFileTypePump;
  state.record.Application = pump ? ApplicationKind::Pump : ApplicationKind::Fan;
  RebuildParameterTable(state);
  RefreshUnitLabels(form, state.record, state.units);

  ReadOptions options;
  options.askMalformedLines = false;
  const FileReadResult load = ReadAnalysisText(state, bytes, ReadPass::Load, options);
  // A stop during the load pass leaves the values stored so far; the fields show them.
  if (state.WindowCreated && (load.complete || load.stopped)) {
    FillFieldsFromCurrent(state, FieldGroup::All);
    StoreHeadAndPower(state);
  }
  if (!load.complete) return OpenOutcome::Refused;

  if (pump) {
    SetPumpTitles(state);
    const ComparisonSystem before = state.record.Comparison();
    state.record.RestrictComparisonToPump();
    if (state.record.Comparison() != before) ComparisonClick(state, state.record.Comparison());
  } else {
    SetFanTitles(state);
  }
  ShowStepsScreen(form);
  UpdateCaption(state);
  state.record.CurrentFileName = std::string(path);
  state.record.Modified = false;
  return OpenOutcome::Loaded;
}

bool CanSave(MainWindowState& state, std::string_view noAnalysisKey, std::string_view incompleteKey,
             MessageType incompleteType) {
  if (state.record.Application == ApplicationKind::None) {
    ShowMainWindowMessage(state, MessageType::Plain, noAnalysisKey);
    return false;
  }
  if (!StepTwoComplete(state)) {
    ShowMainWindowMessage(state, incompleteType, incompleteKey);
    return false;
  }
  return CheckSystemData(state, true);
}

// Brings the record up to date and writes it; Modified clears only when the file is
// written.
bool WriteCurrentAnalysis(MainWindowState& state, std::string_view path) {
  RebuildTextLists(state);
  StoreFieldsToTable(state);
  if (!WriteAnalysisFile(state, path)) return false;
  state.record.Modified = false;
  return true;
}

// Steps after the save dialog: the extension, the replace question, the write.
SaveOutcome SaveUnderChosenName(MainWindowState& state, SettingsStore& store, std::string_view chosen) {
  const std::string path = WithAnalysisExtension(chosen);
  SaveOutcome outcome = SaveOutcome::Refused;
  bool write = true;
  if (PathExists(path)) {
    const std::string text = path + std::string(Message(TextTable::MainWindow, "IDS_46"));
    write = Ask(state.ui, MessageType::Warning, text, {Button::Yes, Button::No}, "IDS_46") == Button::Yes;
  }
  if (write) {
    if (WriteCurrentAnalysis(state, path)) {
      AddToRecentList(state.options.Recent, store, path);
      state.record.CurrentFileName = path;
      outcome = SaveOutcome::Saved;
    } else {
      outcome = SaveOutcome::Failed;
    }
  }
  UpdateCaptionAfterSave(state);
  return outcome;
}

bool CanSaveAs(MainWindowState& state) {
  return CanSave(state, "IDS_44", "IDS_45", MessageType::Information);
}

}  // namespace

void OpenAnalysis(MainWindowState& state, SettingsStore& mainWindowStore) {
  if (!AskToSaveFirst(state, mainWindowStore, false)) return;
  FileDialogRequest request;
  request.filter = DialogFilter(Message(TextTable::MainWindow, "IDS_100"));
  request.defaultExtension = "DMC";
  const std::optional<std::string> chosen = state.ui.ChooseFileToOpen(request);
  if (!chosen) return;
  if (LoadAnalysis(state, *chosen) == OpenOutcome::Loaded) {
    AddToRecentList(state.options.Recent, mainWindowStore, *chosen);
  }
}

OpenOutcome OpenNamedAnalysis(MainWindowState& state, SettingsStore& mainWindowStore,
                              std::string_view path) {
  if (!AskToSaveFirst(state, mainWindowStore, true)) return OpenOutcome::Refused;
  if (!RegularFileExists(path)) {
    ShowMainWindowMessage(state, MessageType::Error, "IDS_13");
    return OpenOutcome::Unreadable;
  }
  return LoadAnalysis(state, path);
}

OpenOutcome OpenRecentAnalysis(MainWindowState& state, SettingsStore& mainWindowStore, int slot) {
  const auto index = static_cast<std::size_t>(slot - 1);
  if (slot < 1 || index >= kRecentCount) return OpenOutcome::Unreadable;
  // A copy: the open may change the list.
  const std::string path = state.options.Recent.Slots[index];
  return OpenNamedAnalysis(state, mainWindowStore, path);
}

void SaveAnalysis(MainWindowState& state, SettingsStore& mainWindowStore) {
  if (!CanSave(state, "IDS_40", "IDS_41", MessageType::Plain)) return;
  if (!state.record.CurrentFileName.empty()) {
    const std::string path = state.record.CurrentFileName;
    WriteCurrentAnalysis(state, path);
    return;
  }
  SaveAnalysisAs(state, mainWindowStore);
  UpdateCaptionAfterSave(state);
}

void SaveAnalysisAs(MainWindowState& state, SettingsStore& mainWindowStore) {
  if (!CanSaveAs(state)) return;
  FileDialogRequest request;
  request.filter = DialogFilter(Message(TextTable::MainWindow, "IDS_101"));
  request.defaultExtension = "DMC";
  const std::string& project = state.form.Text("QNUM1");
  if (!state.record.CurrentFileName.empty()) request.initialName = state.record.CurrentFileName;
  else if (!project.empty()) request.initialName = project + std::string(kAnalysisExtension);
  else request.initialName = std::string(kDefaultFileName);
  const std::optional<std::string> chosen = state.ui.ChooseFileToSave(request);
  if (!chosen) {
    state.WindowTitle = std::string(kProgramTitle);
    return;
  }
  SaveUnderChosenName(state, mainWindowStore, *chosen);
}

SaveOutcome SaveAnalysisAs(MainWindowState& state, SettingsStore& mainWindowStore,
                           std::string_view path) {
  if (!CanSaveAs(state)) return SaveOutcome::Refused;
  return SaveUnderChosenName(state, mainWindowStore, path);
}

void UpdateCaption(MainWindowState& state) { state.WindowTitle = StepsWindowTitle(state); }

std::string WithAnalysisExtension(std::string_view path) {
  std::filesystem::path result = PathFromUtf8(path);
  result.replace_extension(PathFromUtf8(kAnalysisExtension));
  return PathToUtf8(result);
}

}  // namespace wattora
