// The application object: the entry point's call of InitInstance and the application's name.
#include "framework_test_resources.h"
#include "window_test_support.h"

namespace {

class CountingApp : public CWinApp {
 public:
  int initInstanceCalls = 0;
  // Called once by the entry point.
  BOOL InitInstance() override {
    ++initInstanceCalls;
    return FALSE;
  }
};

TEST(Application, WhenTheEntryPointRunsThenInitInstanceRunsOnceAndFalseEndsTheProgram) {
  CountingApp app;
  EXPECT_EQ(AfxGetApp(), &app);
  EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr)), 0);
  EXPECT_EQ(app.initInstanceCalls, 1);
}

TEST(Application, WhenConstructedWithoutANameThenTheNameIsTheProgramFilesBaseName) {
  CountingApp app;
  AfxWinMain(::GetModuleHandleA(nullptr));
  EXPECT_STREQ(app.m_pszAppName, "framework_tests");
}

TEST(Application, WhenAMessageBoxHasNoCaptionThenTheApplicationNameIsTheCaption) {
  CountingApp app;
  AfxWinMain(::GetModuleHandleA(nullptr));
  CWnd window;
  ASSERT_TRUE(window.CreateEx(0, PlainWindowClass(), "owner", WS_OVERLAPPEDWINDOW,
                              CRect(0, 0, 100, 100), nullptr, 0));
  MessageBoxWatcher watcher;
  window.MessageBox("Finish!");
  ASSERT_EQ(watcher.boxes().size(), 1u);
  EXPECT_EQ(watcher.boxes()[0].caption, "framework_tests");
  EXPECT_EQ(watcher.boxes()[0].text, "Finish!");
  window.DestroyWindow();
}

TEST(Application, WhenAStringResourceExistsThenLoadStringReadsIt) {
  CString text;
  EXPECT_TRUE(text.LoadString(IDS_TEST_STRING));
  EXPECT_STREQ(text, "&About the test...");
  EXPECT_FALSE(text.LoadString(IDS_TEST_STRING + 1));
  EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
