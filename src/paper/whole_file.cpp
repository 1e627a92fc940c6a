#include "paper/whole_file.h"

#include <QSaveFile>

namespace rods {

QString writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, const QString& failure)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        const QString why = file.error() == QFileDevice::NoError ? failure : file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeWholeFile(const QString& path, std::string_view bytes, const QString& failure)
{
    return writeWholeFile(
        path,
        [bytes](QIODevice& file) {
            return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
        },
        failure);
}

} // namespace rods
