#pragma once
// The network of the real program, on Qt Network: web pages fetched while the program goes on,
// each answer delivered as an event of the program.
#include <QNetworkAccessManager>
#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/ports.h"

class QNetworkReply;

namespace qv::ui {

class QtNetwork : public QObject, public Network {
 public:
  QtNetwork();
  ~QtNetwork() override;
  QtNetwork(const QtNetwork&) = delete;
  QtNetwork& operator=(const QtNetwork&) = delete;

  // Follows redirects (never from https to http), ends the transfer after the request's time
  // and as soon as the body grows beyond its limit.
  void Fetch(const WebRequest& request, std::function<void(const WebReply&)> done) override;

  // Runs each answer as an event of the program (the binder's Run: under the general handler,
  // with what changed shown afterwards); without it the answer runs as it is.
  std::function<void(const std::function<void()>&)> RunEvent;

 private:
  struct Transfer {
    std::function<void(const WebReply&)> done;
    WebRequest request;
    std::string body;
    std::optional<std::string> failure;  // why the transfer was ended here
  };
  void Stop(QNetworkReply* reply, std::string reason);
  void Received(QNetworkReply* reply);
  void Finished(QNetworkReply* reply);
  void Deliver(const std::function<void(const WebReply&)>& done, const WebReply& reply);

  QNetworkAccessManager manager_;
  std::map<QNetworkReply*, Transfer> transfers_;
};

// The German reasons of the failures, fit to follow a colon.
std::string TimeoutReason(int timeoutMs);
std::string TooLargeReason(size_t maxBytes);

}  // namespace qv::ui
