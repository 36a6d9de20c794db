// One QApplication for every test of the window, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

// Read by the leak checker of the address sanitizer build, unused elsewhere. Qt's fontconfig font
// engine keeps the fallback patterns it matched
// (QFontEngineMultiFontConfig::getMatchPatternForFallback) in a cache that lives until the process
// ends, and the checker sees them as lost. Its quick stack walk stops inside fontconfig, which has
// no frame pointers, so the library is named rather than Qt's function.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
