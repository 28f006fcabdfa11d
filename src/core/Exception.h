#pragma once

#include <QString>

#include <exception>
#include <string>

// Root of the program's exceptions. The message is kept as QString because
// every message the program shows is user-facing text; what() gives UTF-8.
class Exception : public std::exception {
 public:
  explicit Exception(QString message)
      : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}

  const QString& Message() const noexcept { return FMessage; }
  void SetMessage(const QString& message) {
    FMessage = message;
    FUtf8 = message.toStdString();
  }
  const char* what() const noexcept override { return FUtf8.c_str(); }

 private:
  QString FMessage;
  std::string FUtf8;
};

// A failure reported by a database driver or by the dataset layer.
class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

// A configuration file that is missing or lacks a required key.
class EIniFileError : public Exception {
 public:
  using Exception::Exception;
};

// Message text of any exception, for the handlers that show it to the user.
inline QString ExceptionMessage(const std::exception& e) {
  if (auto* ours = dynamic_cast<const Exception*>(&e)) return ours->Message();
  return QString::fromUtf8(e.what());
}
