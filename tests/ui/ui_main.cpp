// The UI tests run offscreen inside one application object.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/theme.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  qv::ui::ApplyTheme(app);
  return RUN_ALL_TESTS();
}
