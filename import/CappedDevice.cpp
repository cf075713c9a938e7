#include "import/CappedDevice.h"

CappedDevice::CappedDevice(QIODevice &source, qint64 limit)
    : m_source(source)
    , m_limit(limit)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 CappedDevice::readData(char *data, qint64 maxSize)
{
    if (passedLimit())
        return -1;
    // One byte past the limit is enough to know it was passed.
    const qint64 read = m_source.read(data, qMin(maxSize, m_limit - m_count + 1));
    if (read < 0) {
        setErrorString(m_source.errorString());
        return -1;
    }
    m_count += read;
    return passedLimit() ? -1 : read;
}

std::optional<QByteArray> ReadAtMost(QIODevice &device, qint64 limit)
{
    CappedDevice capped(device, limit);
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 read = capped.read(buffer, sizeof buffer);
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            return bytes;
        bytes.append(buffer, read);
    }
}
