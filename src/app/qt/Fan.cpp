#include "app/qt/Fan.h"

#include <QLabel>

#include "files/analysis_commands.h"
#include "options/qt/qt_settings_store.h"

namespace wattora {

Fan::Fan(QWidget* parent)
    : QMainWindow(parent),
      ui_(this),
      state_(std::make_unique<MainWindowState>(ui_)),
      mainWindowStore_(std::make_unique<QtSettingsStore>(kMainWindowSettingsKey)) {
  CreateMainWindow(*state_);
  summary_ = new QLabel(this);
  summary_->setAlignment(Qt::AlignCenter);
  setCentralWidget(summary_);
  resize(1024, 700);
  ShowState();
}

Fan::~Fan() = default;

void Fan::OpenFromCommandLine(const std::string& path) {
  OpenNamedAnalysis(*state_, *mainWindowStore_, path);
  ShowState();
}

void Fan::ShowState() {
  const std::string title =
      state_->WindowTitle.empty() ? std::string("KRA\u00AE Wattora") : state_->WindowTitle;
  setWindowTitle(QString::fromStdString(title));
  const MainWindowState& s = *state_;
  summary_->setText(s.record.Application == ApplicationKind::None
                        ? QStringLiteral("Wattora")
                        : QString::fromStdString(std::string(ApplicationText(s.record.Application)) +
                                                 " analysis \"" + s.form.Text("QNUM") + "\""));
}

}  // namespace wattora
