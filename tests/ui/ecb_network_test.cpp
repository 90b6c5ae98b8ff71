// The network port on Qt Network against an HTTP server of the test's own on 127.0.0.1: the
// body, an HTTP error, a redirect, a body cut short, one too long, no answer at all; and the
// menu entry "EZB-Kurse laden" through the real window, with its busy cursor.
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <memory>

#include "ui_fixture.h"

namespace qv::ui {
namespace {

// Answers each request by its path with the bytes given for it (status line, headers and
// body), then closes; a path without bytes gets no answer, the connection left open.
class TestServer : public QObject {
 public:
  TestServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) Serve(socket);
    });
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
  }
  std::map<QByteArray, QByteArray> answers;

 private:
  void Serve(QTcpSocket* socket) {
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
      QByteArray& request = requests_[socket];
      request += socket->readAll();
      if (!request.contains("\r\n\r\n")) return;
      const auto found = answers.find(request.split(' ').value(1));
      request.clear();
      if (found == answers.end()) return;
      socket->write(found->second);
      socket->disconnectFromHost();
    });
  }
  QTcpServer server_;
  std::map<QTcpSocket*, QByteArray> requests_;
};

QByteArray Ok(const QByteArray& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
         body;
}

const QByteArray kBody = "Referenzkurse\n";
const QByteArray kGarbage(2 * 1024 * 1024, 'x');

struct Exchange {
  const char* what;
  const char* path;
  QByteArray answer;  // empty: none at all
  std::optional<std::string> failure;
  std::string body;
  int timeoutMs = 10000;  // short only where the time-out is what is tested
};

void PrintTo(const Exchange& exchange, std::ostream* out) {
  *out << exchange.what;
}

class QtNetworkTest : public testing::TestWithParam<Exchange> {};

TEST_P(QtNetworkTest, AnswersLaterWithTheBodyOrTheReason) {
  const Exchange& exchange = GetParam();
  TestServer server;
  server.answers["/file"] = Ok(kBody);
  if (!exchange.answer.isEmpty()) server.answers[exchange.path] = exchange.answer;
  QtNetwork network;
  std::optional<WebReply> reply;
  int answers = 0;
  const std::string url =
      exchange.path[0] == '/' ? server.Url(exchange.path) : std::string(exchange.path);
  network.Fetch({url, exchange.timeoutMs, 1024 * 1024}, [&](const WebReply& r) {
    reply = r;
    ++answers;
  });
  EXPECT_FALSE(reply) << "answered inside Fetch";
  ASSERT_TRUE(QTest::qWaitFor([&] { return reply.has_value(); }, 5000));
  EXPECT_EQ(reply->failure, exchange.failure);
  EXPECT_EQ(reply->body, exchange.body);
  QTest::qWait(50);
  EXPECT_EQ(answers, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, QtNetworkTest,
    testing::Values(
        Exchange{"File", "/file", {}, std::nullopt, kBody.toStdString()},
        Exchange{"NotFound", "/missing", "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n",
                 "der Server meldet HTTP-Fehler 404", ""},
        Exchange{"Redirect", "/moved",
                 "HTTP/1.1 302 Found\r\nLocation: /file\r\nContent-Length: 0\r\n\r\n", std::nullopt,
                 kBody.toStdString()},
        Exchange{"RedirectLoop", "/loop",
                 "HTTP/1.1 302 Found\r\nLocation: /loop\r\nContent-Length: 0\r\n\r\n",
                 "zu viele Weiterleitungen", ""},
        Exchange{"CutShort", "/cut",
                 "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(500, 'x'),
                 "der Server brach die Verbindung vor dem Ende der Antwort ab", ""},
        Exchange{"TooLongAnnounced", "/big", Ok(kGarbage), "die Antwort ist größer als 1 MB", ""},
        Exchange{"TooLongUnannounced", "/stream",
                 "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + kGarbage,
                 "die Antwort ist größer als 1 MB", ""},
        Exchange{"NoAnswer", "/silent", {}, "keine Antwort innerhalb von 0,3 s", "", 300},
        Exchange{"NoServer", "http://127.0.0.1:1/file", {}, "keine Verbindung", ""},
        Exchange{"NoWebAddress",
                 "ftp://127.0.0.1/file",
                 {},
                 "die Adresse „ftp://127.0.0.1/file“ ist ungültig",
                 ""}),
    [](const testing::TestParamInfo<Exchange>& info) { return info.param.what; });

constexpr const char* kDaily =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "<gesmes:subject>Reference rates</gesmes:subject>\n"
    "<Cube><Cube time='2024-06-28'>\n"
    "<Cube currency='USD' rate='1.0705'/><Cube currency='JPY' rate='171.94'/>\n"
    "<Cube currency='CHF' rate='0.9634'/><Cube currency='ISK' rate='148.90'/>\n"
    "<Cube currency='GBP' rate='0.84638'/>\n"
    "</Cube></Cube>\n</gesmes:Envelope>\n";

using EcbMenuTest = UiTest;

TEST_F(EcbMenuTest, LoadingTheBanksRatesShowsTheBusyCursorAndTakesThemIntoTheList) {
  TestServer server;
  server.answers["/eurofxref-daily.xml"] = Ok(kDaily);
  form.Frame31.EcbAddress = server.Url("/eurofxref-daily.xml");
  QAction& load = *binder.ActionOf(form.EZBKurse1);
  ASSERT_EQ(load.text(), QStringLiteral("EZB-Kurse laden"));
  EXPECT_EQ(binder.ActionOf(form.EZBDatei1)->text(), QStringLiteral("EZB-Kurse aus Datei..."));
  load.trigger();
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EXPECT_FALSE(load.isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.shown.empty(); }, 5000));
  EXPECT_EQ(prompts.shown, std::vector<std::string>{"5 Kurse vom 28.06.2024 übernommen."});
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(load.isEnabled());
  const auto& rate = PanelWidget<QLineEdit>("Frame31", "Edit4");
  EXPECT_EQ(rate.text(), QStringLiteral("1.0705"));
  EXPECT_EQ(rate.toolTip(), QStringLiteral("Kurse der EZB vom 28.06.2024"));
}

}  // namespace
}  // namespace qv::ui
