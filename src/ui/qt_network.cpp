#include "ui/qt_network.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "platform/numbers.h"

namespace qv::ui {

namespace {

constexpr int kMaxRedirects = 5;

std::string InvalidAddress(const std::string& url) {
  return "die Adresse „" + url + "“ ist ungültig";
}

std::string HttpReason(int status) {
  return "der Server meldet HTTP-Fehler " + std::to_string(status);
}

// What a failed transfer tells the user: the reasons a user can act on, the rest as Qt says it.
std::string ErrorReason(const QNetworkReply& reply, const WebRequest& request) {
  switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
      return "keine Verbindung";
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
      return "der Server brach die Verbindung vor dem Ende der Antwort ab";
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
      return TimeoutReason(request.timeoutMs);
    case QNetworkReply::SslHandshakeFailedError:
      return "keine sichere Verbindung zum Server";
    case QNetworkReply::TooManyRedirectsError:
      return "zu viele Weiterleitungen";
    case QNetworkReply::InsecureRedirectError:
      return "eine Weiterleitung auf eine unverschlüsselte Adresse wurde abgelehnt";
    case QNetworkReply::ProtocolUnknownError:
      return InvalidAddress(request.url);
    default:
      return "Netzwerkfehler (" + reply.errorString().toStdString() + ")";
  }
}

}  // namespace

std::string TimeoutReason(int timeoutMs) {
  return "keine Antwort innerhalb von " + FormatGeneral(timeoutMs / Extended(1000)) + " s";
}

std::string TooLargeReason(size_t maxBytes) {
  constexpr size_t kMegabyte = 1024 * 1024;
  const std::string limit = maxBytes % kMegabyte == 0 ? std::to_string(maxBytes / kMegabyte) + " MB"
                                                      : std::to_string(maxBytes) + " Bytes";
  return "die Antwort ist größer als " + limit;
}

QtNetwork::QtNetwork() = default;

// Transfers still running end without an answer: nobody is left to take it.
QtNetwork::~QtNetwork() {
  for (auto& [reply, transfer] : transfers_) {
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
  }
}

void QtNetwork::Fetch(const WebRequest& request, std::function<void(const WebReply&)> done) {
  const QUrl url(QString::fromStdString(request.url), QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() ||
      (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    // Answered later like every request.
    QTimer::singleShot(0, this, [this, done = std::move(done), url = request.url] {
      Deliver(done, {{}, InvalidAddress(url)});
    });
    return;
  }
  QNetworkRequest get(url);
  get.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                   QNetworkRequest::NoLessSafeRedirectPolicy);
  get.setMaximumRedirectsAllowed(kMaxRedirects);
  QNetworkReply* reply = manager_.get(get);
  transfers_[reply] = {std::move(done), request, {}, std::nullopt};
  auto* deadline = new QTimer(reply);
  deadline->setSingleShot(true);
  connect(deadline, &QTimer::timeout, this,
          [this, reply, timeoutMs = request.timeoutMs] { Stop(reply, TimeoutReason(timeoutMs)); });
  deadline->start(request.timeoutMs);
  // A body announced too long is not waited for.
  connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, maxBytes = request.maxBytes] {
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toULongLong() > maxBytes) Stop(reply, TooLargeReason(maxBytes));
  });
  connect(reply, &QNetworkReply::readyRead, this, [this, reply] { Received(reply); });
  connect(reply, &QNetworkReply::finished, this, [this, reply] { Finished(reply); });
}

// Aborting finishes the reply at once; Finished then reports this reason.
void QtNetwork::Stop(QNetworkReply* reply, std::string reason) {
  const auto found = transfers_.find(reply);
  if (found == transfers_.end() || found->second.failure) return;
  found->second.failure = std::move(reason);
  reply->abort();
}

void QtNetwork::Received(QNetworkReply* reply) {
  const auto found = transfers_.find(reply);
  if (found == transfers_.end() || found->second.failure) return;
  Transfer& transfer = found->second;
  const QByteArray bytes = reply->readAll();
  if (transfer.body.size() + static_cast<size_t>(bytes.size()) > transfer.request.maxBytes)
    return Stop(reply, TooLargeReason(transfer.request.maxBytes));
  transfer.body.append(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void QtNetwork::Finished(QNetworkReply* reply) {
  if (!transfers_.count(reply)) return;
  Received(reply);  // what arrived with the end
  Transfer transfer = std::move(transfers_.at(reply));
  transfers_.erase(reply);
  reply->deleteLater();
  WebReply answer;
  const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  if (transfer.failure)
    answer.failure = transfer.failure;
  else if (status.isValid() && status.toInt() >= 400)
    answer.failure = HttpReason(status.toInt());
  else if (reply->error() != QNetworkReply::NoError)
    answer.failure = ErrorReason(*reply, transfer.request);
  else
    answer.body = std::move(transfer.body);
  Deliver(transfer.done, answer);
}

void QtNetwork::Deliver(const std::function<void(const WebReply&)>& done, const WebReply& reply) {
  const std::function<void()> event = [&done, &reply] { done(reply); };
  if (RunEvent)
    RunEvent(event);
  else
    event();
}

}  // namespace qv::ui
