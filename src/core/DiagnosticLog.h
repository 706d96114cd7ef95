#pragma once

#include <QObject>
#include <QStringList>

namespace aec {

// The hidden diagnostic memo: receive checksum mismatches, odd replies and loaded preset
// values are appended as lines. Keeps the newest lines only, so a long session cannot grow it
// without bound.
class DiagnosticLog : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultCapacity = 5000;

    explicit DiagnosticLog(int capacity = DefaultCapacity, QObject* parent = nullptr);

    void append(const QString& line);
    const QStringList& lines() const { return m_lines; }
    int capacity() const { return m_capacity; }
    void clear();

signals:
    void lineAppended(const QString& line);
    void cleared();

private:
    int m_capacity;
    QStringList m_lines;
};

} // namespace aec
