#pragma once

#include "core/DiagnosticLog.h"
#include "core/ValueTable.h"
#include "link/DeviceTexts.h"
#include "link/LinkFlags.h"

#include <QByteArrayView>
#include <QObject>

namespace aec {

// Verifies one complete data frame from the processor and stores what it carries: block
// values into the store, system values, mode names, codes and the device identity. A frame
// with a wrong checksum is logged and still stored, because the processor may send its answers
// so and expects them taken; a reply that addresses cells outside the tables stores what fits
// and logs the rest.
class FrameApplier : public QObject
{
    Q_OBJECT
public:
    FrameApplier(ParamStore& store, DeviceTexts& texts, const LinkFlags& flags, DiagnosticLog& log,
                 QObject* parent = nullptr);

    // `frame` is a whole frame, F5 to checksum.
    void ApplyFrame(QByteArrayView frame);

    int checksumErrorCount() const { return m_checksumErrors; }
    int droppedValueCount() const { return m_droppedValues; }

signals:
    void deviceIdentityChanged(const QString& identity);

private:
    void applyBlockValues(int block, int slot, QByteArrayView data);
    void applySystemItem(int slot, QByteArrayView data);
    void applyModeName(QByteArrayView data);
    void drop(int block, int slot, int count, const char* why);

    ParamStore& m_store;
    DeviceTexts& m_texts;
    const LinkFlags& m_flags;
    DiagnosticLog& m_log;
    int m_checksumErrors = 0;
    int m_droppedValues = 0;
};

} // namespace aec
