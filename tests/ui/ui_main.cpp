// The UI tests run offscreen inside one application object, at the window scaling given by
// --scaling=PERCENT (100 when not given).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>

#include "ui/scaling.h"
#include "ui/theme.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--scaling=", 10) == 0) qv::ui::ApplyScaling(std::atoi(argv[i] + 10));
  QApplication app(argc, argv);
  qv::ui::ApplyTheme(app);
  return RUN_ALL_TESTS();
}
