// Dates.
#include "framework/Date.h"

#include <QLocale>

namespace fw {

Date::Date() : moment(QDateTime::currentDateTime()) {}

QString Date::ShortTime() const { return QLocale().toString(moment.time(), QLocale::ShortFormat); }

QString Date::ShortDate() const { return QLocale().toString(moment.date(), QLocale::ShortFormat); }

} // namespace fw
