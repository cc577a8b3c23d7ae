#include <QMessageBox>
#include <QTimer>

#include "temp_directory.h"
#include "window_fixture.h"

namespace {

struct MessageSeen {
  QString text, title;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::Information;
  Qt::WindowModality modality = Qt::NonModal;
  bool hadOwner = true;
  int shown = 0;
};

struct CheckCase {
  const char* name;
  std::string response;
  TlsServer::Behaviour behaviour = TlsServer::Behaviour::Answer;
  bool refused = false;
};

void PrintTo(const CheckCase& checkCase, std::ostream* out) { *out << checkCase.name; }

class VersionCheck : public WindowTest, public ::testing::WithParamInterface<CheckCase> {
 protected:
  void BeforeLoad() override {
    WriteBytes(runDirectory_ / std::filesystem::path(u8"实时访客.ini"), G("访客文本"));
    server_ = std::make_unique<TlsServer>(GetParam().response, GetParam().behaviour);
    // Answers the message box as a user would, noting what it showed.
    dismisser_ = new QTimer();
    QObject::connect(dismisser_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen_ = {box->text(), box->windowTitle(), box->standardButtons(), box->icon(), box->windowModality(),
               box->parentWidget() != nullptr, seen_.shown + 1};
      box->button(QMessageBox::Ok)->click();
    });
    dismisser_->start(10);
  }

  void TearDown() override {
    delete dismisser_;
    WindowTest::TearDown();
  }

  ApplicationSettings Settings() override {
    ApplicationSettings settings = WindowTest::Settings();
    settings.versionFile.url = GetParam().refused ? "https://127.0.0.1:" + std::to_string(UnusedPort()) + "/x"
                                                  : server_->Url(kVersionPath);
    settings.versionFile.totalTimeout = std::chrono::seconds(1);
    return settings;
  }

  std::unique_ptr<TlsServer> server_;
  QTimer* dismisser_ = nullptr;
  MessageSeen seen_;
};

using VersionCheckPasses = VersionCheck;

TEST_P(VersionCheckPasses, ShowsNothingAndTheProgramRuns) {
  EXPECT_EQ(seen_.shown, 0);
  EXPECT_FALSE(Window().IsGone());
  EXPECT_EQ(server_->Requests().size(), 1u);
  EXPECT_EQ(Controls().EditText(control::编辑框5), G("访客文本"));
}

INSTANTIATE_TEST_SUITE_P(
    Published, VersionCheckPasses,
    ::testing::Values(CheckCase{"exact", HttpResponse("200 OK", G("版本【V20191028】"))},
                      CheckCase{"with_text_around", HttpResponse("200 OK", G("说明\r\n版本【V20191028】\r\n结束"))}),
    [](const auto& info) { return std::string(info.param.name); });

using VersionCheckFails = VersionCheck;

TEST_P(VersionCheckFails, TellsTheUserAndShutsDownSavingTheVisitorText) {
  ASSERT_EQ(seen_.shown, 1);
  EXPECT_EQ(seen_.text, QString::fromUtf8("联系楼主"));
  EXPECT_EQ(seen_.title, QString::fromUtf8("信息："));
  EXPECT_EQ(seen_.buttons, QMessageBox::Ok);
  EXPECT_EQ(seen_.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen_.modality, Qt::ApplicationModal);
  EXPECT_FALSE(seen_.hadOwner);
  ASSERT_TRUE(WaitUntil([&] { return Window().IsGone(); }));
  EXPECT_EQ(ReadBytes(runDirectory_ / std::filesystem::path(u8"实时访客.ini")), G("[数据]\r\n数据1=访客文本\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Published, VersionCheckFails,
    ::testing::Values(
        CheckCase{"later_version", HttpResponse("200 OK", G("版本【V20191029】"))},
        CheckCase{"blank_inside", HttpResponse("200 OK", G("版本【 V20191028】"))},
        CheckCase{"lower_case", HttpResponse("200 OK", G("版本【v20191028】"))},
        CheckCase{"end_marker_before_only", HttpResponse("200 OK", G("】版本【V20191028"))},
        CheckCase{"first_of_two_pairs_differs", HttpResponse("200 OK", G("版本【V1】版本【V20191028】"))},
        CheckCase{"utf8_file", HttpResponse("200 OK", "版本【V20191028】")},
        CheckCase{"error_page", HttpResponse("404 Not Found", "<html><body>404</body></html>")},
        CheckCase{"oversized_body", HttpResponse("200 OK", std::string(2 * 1024 * 1024, ' ') + G("版本【V20191028】"))},
        CheckCase{"never_answers", "", TlsServer::Behaviour::NeverAnswer},
        CheckCase{"refused", "", TlsServer::Behaviour::Answer, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
