// A moment in local time, with its short texts in the system's format.
#pragma once

#include <QDateTime>
#include <QString>

namespace fw {

class Date {
public:
    // Now.
    Date();

    QString ShortTime() const;
    QString ShortDate() const;

private:
    QDateTime moment;
};

} // namespace fw
