#include "db/FbApi.h"

#include <QString>

namespace fb {

Firebird::IMaster* master() {
  static Firebird::IMaster* m = Firebird::fb_get_master_interface();
  return m;
}

Firebird::IUtil* util() { return master()->getUtilInterface(); }

void raise(Firebird::IStatus* status) {
  char buffer[2048];
  util()->formatStatus(buffer, sizeof buffer, status);
  const intptr_t* errors = status->getErrors();
  const int code = (errors && errors[0] == 1) ? static_cast<int>(errors[1]) : 0;
  throw DbError(QString::fromUtf8(buffer).trimmed(), code);
}

DbError explainEmbeddedLock(const DbError& e) {
  if (!e.message().contains(QStringLiteral("incompatible with current")) &&
      !e.message().contains(QStringLiteral("during \"lock\" operation")))
    return e;
  return DbError(e.message() + QStringLiteral(
                                   "\n\nBaza danych jest otwarta przez inny program działający bez serwera "
                                   "(np. drugie okno ORBE lub orbe-admin). Zamknij go albo zainstaluj i uruchom "
                                   "serwer Firebird, przez który wiele programów może pracować na tej samej bazie."),
                 e.code());
}

Status::Status() : status_(master()->getStatus()), wrapper_(status_) {}
Status::~Status() { status_->dispose(); }

}  // namespace fb
