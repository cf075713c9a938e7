#pragma once

#include <QByteArray>
#include <QIODevice>

#include <optional>

// Reads another device and fails once more than the limit has come through,
// whatever size the source announced: an archive entry is counted as it is
// inflated.
class CappedDevice : public QIODevice
{
public:
    CappedDevice(QIODevice &source, qint64 limit);

    bool isSequential() const override { return true; }
    bool passedLimit() const { return m_count > m_limit; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_source;
    qint64 m_limit;
    qint64 m_count = 0;
};

// The rest of the device's bytes; none when it cannot be read or holds more
// than the limit.
std::optional<QByteArray> ReadAtMost(QIODevice &device, qint64 limit);
