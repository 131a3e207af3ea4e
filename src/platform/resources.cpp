#include "platform/resources.h"

#include <QFile>

namespace platform {

std::string loadResourceWave(int id) {
    QFile file(QStringLiteral(":/res/%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace platform
