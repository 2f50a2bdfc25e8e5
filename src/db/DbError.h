#pragma once
// The one error type of the database layer: it carries the server's own
// message text, which the error display shows as it stands.
#include <QString>
#include <stdexcept>

class DbError : public std::runtime_error {
 public:
  explicit DbError(const QString& message, int code = 0)
      : std::runtime_error(message.toStdString()), message_(message), code_(code) {}
  const QString& message() const { return message_; }
  // The first ISC error code of the status vector (0 when not from the server).
  int code() const { return code_; }

 private:
  QString message_;
  int code_;
};
