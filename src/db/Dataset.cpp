#include "db/Dataset.h"

#include "db/Connection.h"
#include "db/DbError.h"

QVariant Record::value(const QString& field) const {
  const int i = ds_.fieldIndex(field);
  return i < 0 ? QVariant() : row_.value(i);
}

QString Record::text(const QString& field) const { return value(field).toString(); }

void Record::setValue(const QString& field, const QVariant& v) {
  const int i = ds_.fieldIndex(field);
  if (i < 0) throw DbError(QStringLiteral("Brak pola %1").arg(field));
  row_[i] = v;
}

Dataset::Dataset(Connection& connection, QObject* parent) : QObject(parent), connection_(connection) {
  // Closing the connection closes every open query.
  connect(&connection_, &Connection::closing, this, [this] {
    if (state_ != Inactive) close();
  });
}

Dataset::~Dataset() = default;

void Dataset::setSelectSql(const QString& sql) {
  selectSql_ = sql;
  select_.reset();
}
void Dataset::setInsertSql(const QString& sql) {
  insertSql_ = sql;
  insert_.reset();
}
void Dataset::setUpdateSql(const QString& sql) {
  updateSql_ = sql;
  update_.reset();
}
void Dataset::setDeleteSql(const QString& sql) {
  deleteSql_ = sql;
  delete_.reset();
}
void Dataset::setRefreshSql(const QString& sql) {
  refreshSql_ = sql;
  refresh_.reset();
}
void Dataset::setParam(const QString& name, const QVariant& value) { params_.insert(name.toUpper(), value); }

void Dataset::setGenerator(const QString& sequence, const QString& field, KeyMoment moment) {
  generator_ = sequence;
  keyField_ = field;
  keyMoment_ = moment;
}

void Dataset::addCalculatedField(const QString& name, FieldInfo::Type type) { calculatedDecl_.append({name, type}); }

void Dataset::setCalculate(std::function<void(Record&)> calculate) { calculate_ = std::move(calculate); }

int Dataset::fieldIndex(const QString& name) const {
  for (int i = 0; i < fields_.size(); ++i)
    if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void Dataset::calculate(Row& row) {
  if (!calculate_) return;
  Record r(*this, row);
  calculate_(r);
}

void Dataset::open() {
  if (state_ != Inactive) close();
  if (!select_) select_ = std::make_unique<Statement>(connection_, selectSql_);
  select_->clearParams();
  for (auto it = params_.cbegin(); it != params_.cend(); ++it)
    if (select_->hasParam(it.key())) select_->setParam(it.key(), it.value());
  select_->execute();
  fields_ = select_->fields();
  queryFieldCount_ = fields_.size();
  for (const auto& [name, type] : calculatedDecl_) fields_.append({name, type, 0});
  rows_ = select_->takeRows();
  for (Row& r : rows_) {
    r.resize(fields_.size());
    calculate(r);
  }
  state_ = Browse;
  current_ = rows_.isEmpty() ? -1 : 0;
  emit stateChanged();
  emit rowsReset();
  emit scrolled();
}

void Dataset::close() {
  if (state_ == Inactive) return;
  rows_.clear();
  buffer_.clear();
  original_.clear();
  current_ = -1;
  state_ = Inactive;
  emit stateChanged();
  emit rowsReset();
}

void Dataset::requireOpen() const {
  if (state_ == Inactive) throw DbError(QStringLiteral("Zbiór danych nie jest otwarty."));
}

void Dataset::requireEditing() const {
  if (state_ != Insert && state_ != Edit) throw DbError(QStringLiteral("Zbiór danych nie jest w trybie edycji."));
}

void Dataset::setCurrent(int row) {
  if (row == current_) return;
  current_ = row;
  emit scrolled();
}

bool Dataset::moveTo(int row) {
  requireOpen();
  if (row < 0 || row >= rows_.size()) return false;
  if (state_ == Insert || state_ == Edit) post();
  setCurrent(row);
  return true;
}

void Dataset::first() {
  if (!rows_.isEmpty()) moveTo(0);
}
void Dataset::last() {
  if (!rows_.isEmpty()) moveTo(rows_.size() - 1);
}
bool Dataset::next() { return moveTo(current_ + 1); }
bool Dataset::prior() { return current_ > 0 && moveTo(current_ - 1); }

bool Dataset::locate(const QString& field, const QVariant& value) {
  requireOpen();
  const int c = fieldIndex(field);
  if (c < 0) return false;
  for (int i = 0; i < rows_.size(); ++i) {
    const QVariant& v = rows_[i].at(c);
    if (!v.isNull() && v.isValid() && v == value) return moveTo(i);
    if (!v.isNull() && v.isValid() && value.isValid() && v.toString() == value.toString() &&
        (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int))
      return moveTo(i);
  }
  return false;
}

QVariant Dataset::value(const QString& field) const {
  const int c = fieldIndex(field);
  if (c < 0) return {};
  if (state_ == Insert || state_ == Edit) return buffer_.value(c);
  if (current_ < 0) return {};
  return rows_[current_].value(c);
}

QString Dataset::text(const QString& field) const { return value(field).toString(); }
int Dataset::intValue(const QString& field) const { return value(field).toInt(); }

QVariant Dataset::valueAt(int row, int column) const {
  if ((state_ == Insert || state_ == Edit) && row == current_) return buffer_.value(column);
  if (row < 0 || row >= rows_.size()) return {};
  return rows_[row].value(column);
}

QVariant Dataset::valueAt(int row, const QString& field) const { return valueAt(row, fieldIndex(field)); }

void Dataset::setValue(const QString& field, const QVariant& value) {
  requireEditing();
  const int c = fieldIndex(field);
  if (c < 0) throw DbError(QStringLiteral("Brak pola %1").arg(field));
  buffer_[c] = value;
  calculate(buffer_);
  emit rowChanged(current_);
}

QVariant Dataset::nextKey() {
  Statement gen(connection_, QStringLiteral("SELECT GEN_ID(%1, 1) FROM RDB$DATABASE").arg(generator_));
  gen.execute();
  return gen.rows().value(0).value(0).toInt();
}

void Dataset::append() {
  requireOpen();
  if (state_ == Insert || state_ == Edit) post();
  previous_ = current_;
  Row row(fields_.size());
  if (!generator_.isEmpty() && keyMoment_ == KeyMoment::OnAppend) {
    const int k = fieldIndex(keyField_);
    if (k >= 0) row[k] = nextKey();
  }
  calculate(row);
  rows_.append(row);
  buffer_ = row;
  original_ = Row(fields_.size());
  state_ = Insert;
  current_ = rows_.size() - 1;
  emit stateChanged();
  emit rowsReset();
  emit scrolled();
}

void Dataset::edit() {
  requireOpen();
  if (state_ == Edit || state_ == Insert) return;
  if (current_ < 0) throw DbError(QStringLiteral("Brak bieżącego rekordu."));
  buffer_ = rows_[current_];
  original_ = rows_[current_];
  state_ = Edit;
  emit stateChanged();
}

void Dataset::bindFrom(Statement& st, const Row& values, const Row& original) const {
  st.clearParams();
  for (const QString& name : st.paramNames()) {
    if (name.startsWith(QStringLiteral("OLD_"))) {
      const int c = fieldIndex(name.mid(4));
      st.setParam(name, c < 0 ? QVariant() : original.value(c));
    } else {
      const int c = fieldIndex(name);
      st.setParam(name, c < 0 ? QVariant() : values.value(c));
    }
  }
}

void Dataset::post() {
  requireEditing();
  Row values = buffer_;
  if (state_ == Insert && !generator_.isEmpty() && keyMoment_ == KeyMoment::OnPost) {
    const int k = fieldIndex(keyField_);
    if (k >= 0 && (values[k].isNull() || !values[k].isValid() || values[k].toInt() == 0)) values[k] = nextKey();
  }
  std::unique_ptr<Statement>& st = state_ == Insert ? insert_ : update_;
  const QString& sql = state_ == Insert ? insertSql_ : updateSql_;
  if (sql.isEmpty()) throw DbError(QStringLiteral("Zbiór danych nie pozwala na zapis."));
  if (!st) st = std::make_unique<Statement>(connection_, sql);
  bindFrom(*st, values, original_);
  st->execute();  // on failure the row stays in its edit state with what was typed
  buffer_ = values;
  rows_[current_] = values;
  state_ = Browse;
  if (!refreshSql_.isEmpty()) refreshRow();
  calculate(rows_[current_]);
  emit stateChanged();
  emit rowChanged(current_);
}

void Dataset::cancel() {
  if (state_ == Insert) {
    rows_.removeAt(current_);
    state_ = Browse;
    current_ = (previous_ >= 0 && previous_ < rows_.size()) ? previous_ : (rows_.isEmpty() ? -1 : rows_.size() - 1);
    emit stateChanged();
    emit rowsReset();
    emit scrolled();
  } else if (state_ == Edit) {
    state_ = Browse;
    emit stateChanged();
    emit rowChanged(current_);
  }
  buffer_.clear();
}

void Dataset::remove() {
  requireOpen();
  if (state_ == Insert) {
    cancel();
    return;
  }
  if (state_ == Edit) cancel();
  if (current_ < 0) throw DbError(QStringLiteral("Brak bieżącego rekordu."));
  if (deleteSql_.isEmpty()) throw DbError(QStringLiteral("Zbiór danych nie pozwala na usuwanie."));
  if (!delete_) delete_ = std::make_unique<Statement>(connection_, deleteSql_);
  bindFrom(*delete_, rows_[current_], rows_[current_]);
  delete_->execute();
  rows_.removeAt(current_);
  if (current_ >= rows_.size()) current_ = rows_.size() - 1;
  emit rowsReset();
  emit scrolled();
}

void Dataset::refreshRow() {
  requireOpen();
  if (current_ < 0 || refreshSql_.isEmpty()) return;
  if (!refresh_) refresh_ = std::make_unique<Statement>(connection_, refreshSql_);
  bindFrom(*refresh_, rows_[current_], rows_[current_]);
  refresh_->execute();
  if (refresh_->rows().isEmpty()) return;
  const Row& fresh = refresh_->rows().first();
  const QList<FieldInfo>& rf = refresh_->fields();
  for (int i = 0; i < rf.size(); ++i) {
    const int c = fieldIndex(rf[i].name);
    if (c >= 0) rows_[current_][c] = fresh.value(i);
  }
  calculate(rows_[current_]);
  emit rowChanged(current_);
}
