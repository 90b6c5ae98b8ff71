#include "ui/frontend.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "platform/errors.h"
#include "ui/about_dialog.h"
#include "ui/binder.h"
#include "ui/currency_panel.h"
#include "ui/finance_window.h"
#include "ui/function_panel.h"
#include "ui/graph_panel.h"
#include "ui/intersection_list.h"
#include "ui/key_router.h"
#include "ui/main_window.h"
#include "ui/payment_plan_window.h"
#include "ui/range_dialog.h"
#include "ui/subsidy_dialog.h"
#include "ui/rate_dialog.h"
#include "ui/tape_panel.h"
#include "ui/tape_view.h"
#include "ui/tax_panel.h"
#include "ui/trig_panel.h"
#include "ui/unit_panel.h"

namespace qv::ui {

Frontend::Frontend(Program& program, Prompts& prompts)
    : program_(program),
      window_(std::make_unique<MainWindow>()),
      about_(new AboutDialog(window_.get())),
      tape_(BuildTapePanel(*window_->centralWidget(), program.Main().Frame41)),
      binder_(std::make_unique<Binder>(prompts)) {
  // The panels below the calculator and the tape, which the binder binds with the window.
  BuildTrigPanel(*window_->centralWidget(), program.Main().Frame11);
  BuildCurrencyPanel(*window_->centralWidget(), program.Main().Frame31);
  BuildFunctionPanel(*window_->centralWidget(), program.Main().Frame71);
  BuildTaxPanel(*window_->centralWidget(), program.Main().Frame61);
  BuildUnitPanel(*window_->centralWidget(), program.Main().Frame51);
  graph_ = BuildGraphPanel(*window_->centralWidget(), program.Main().Frame21);
  binder_->AddWindow(program.Main(), *window_);
  ConnectTape();
  binder_->AddWindow(program.AboutBox(), *about_);
  binder_->AddWindow(program.RateUpdate(), *BuildRateDialog(*window_, program.RateUpdate()));
  binder_->AddWindow(program.RangeDialog(), *BuildRangeDialog(*window_, program.RangeDialog()));
  binder_->AddWindow(program.PointList(), *BuildIntersectionList(*window_, program.PointList()));
  binder_->AddWindow(program.Finance(), *BuildFinanceWindow(*window_, program.Finance()));
  binder_->AddWindow(program.SubsidyDialog(),
                     *BuildSubsidyDialog(*window_, program.SubsidyDialog()));
  // The chart is drawn at the screen's own pixels.
  program.Plan().SetPixelRatio(window_->devicePixelRatioF());
  binder_->AddWindow(program.Plan(), *BuildPaymentPlanWindow(*window_, program.Plan()));
  keys_ = std::make_unique<KeyRouter>(program.Main(), *window_, *binder_);
  window_->OnCloseRequest = [this] {
    bool closed = false;
    // The position the user moved the window to is what the settings keep.
    program_.Main().SetPosition(window_->x(), window_->y());
    binder_->Run([&] { closed = program_.Close(); });
    return closed;
  };
  // The main window's form closing ends the program.
  binder_->AfterSync = [this] {
    if (program_.Closed()) QCoreApplication::exit(0);
  };
  binder_->Sync();
}

Frontend::~Frontend() = default;

// The tape view runs its events through the binder, and every event first takes over what the
// user typed into the tape.
void Frontend::ConnectTape() {
  TFrame4& frame = program_.Main().Frame41;
  binder_->BeforeEvent = [&frame] { frame.SyncEdits(); };
  tape_->RunEvent = [this](const std::function<void()>& event) { binder_->Run(event); };
  tape_->FindSource = [this](const QString& name) {
    return program_.Main().FindPath(name.toStdString());
  };
  tape_->OpenPopup = [this, &frame](const QPoint& globalPos) {
    binder_->ContextMenu(frame.RichEdit1, globalPos);
  };
}

void Frontend::Start() {
  std::vector<ScreenRect>& screens = program_.Main().Screens;
  screens.clear();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect free = screen->availableGeometry();
    screens.push_back({free.x(), free.y(), free.width(), free.height()});
  }
  binder_->Run([this] { program_.Start(); });
}

}  // namespace qv::ui
