#include <gtest/gtest.h>

#include <QGuiApplication>

// The printouts measure and draw text, which needs a GUI application; the offscreen platform
// does without a display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication anwendung(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
