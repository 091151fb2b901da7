// The Qt tests need a QGuiApplication for fonts. It is created only when tests run, not when
// CTest lists them; CTest sets QT_QPA_PLATFORM=offscreen, so no display is needed.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class QtApplication : public ::testing::Environment {
 public:
  QtApplication(int& argc, char** argv) : argc_(argc), argv_(argv) {}
  void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtApplication(argc, argv));
  return RUN_ALL_TESTS();
}
