#include "working_window/pupil_keeper.h"

#include "core/file_bytes.h"
#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "tutor/pupils/pupil_name.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace rods {
namespace {

constexpr std::size_t LargestPlace = 256 * 1024;

QString lastPupilPath(const std::string& data) { return fromUtf8(data) + "/last-pupil"; }

QString write(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        // TRANSLATORS: %1 is a folder's path.
        return uiText("PupilKeeper", "The folder %1 cannot be made.").arg(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        // TRANSLATORS: %1 is a file's path, %2 the system's reason.
        return uiText("PupilKeeper", "%1 cannot be written: %2.").arg(path, file.errorString());
    return {};
}

// The pupil who worked last, if that pupil's name is still whole.
QString lastPupil(const std::string& data)
{
    const FileBytes last = readPlainFile(lastPupilPath(data).toStdString(), 4096);
    if (last.error != 0)
        return {};
    const CheckedName checked = checkedPupilName(last.bytes.substr(0, last.bytes.find('\n')));
    return checked.refusal.empty() ? fromUtf8(checked.name) : QString();
}

} // namespace

PupilKeeper::PupilKeeper(std::string dataFolder)
    : data_(dataFolder)
    , folders_(std::move(dataFolder))
{
}

QString PupilKeeper::startingPupil(const QString& named) const
{
    if (!named.isEmpty())
        return named;
    const QString last = lastPupil(data_);
    return last.isEmpty() ? fromUtf8(accountPupilName()) : last;
}

void PupilKeeper::rememberLast(const QString& pupil) const
{
    if (lastPupil(data_) != pupil)
        write(lastPupilPath(data_), pupil.toUtf8() + "\n");
}

QStringList PupilKeeper::known() const
{
    QStringList names;
    for (const std::string& pupil : folders_.pupils())
        names << fromUtf8(pupil);
    return names;
}

std::optional<KeptPlace> PupilKeeper::placeOf(const QString& pupil) const
{
    const std::string path = folders_.placeOf(pupil.toStdString());
    const FileBytes file = readPlainFile(path, LargestPlace);
    if (file.error != 0)
        return std::nullopt;
    std::optional<KeptPlace> place = readPlace(file.bytes);
    if (place && place->pupil == pupil.toStdString())
        return place;
    // Kept as found, for whoever wants to look, and out of the way of the
    // next place written.
    const QString aside = fromUtf8(path) + ".damaged-" + QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss");
    QFile::rename(fromUtf8(path), aside);
    return std::nullopt;
}

QString PupilKeeper::keepPlace(const QString& pupil, KeptPlace place) const
{
    place.pupil = pupil.toStdString();
    const std::string text = placeText(place);
    const QString failure =
        write(fromUtf8(folders_.placeOf(place.pupil)), QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!failure.isEmpty())
        return failure;
    rememberLast(pupil);
    return {};
}

} // namespace rods
