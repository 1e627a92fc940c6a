#pragma once

#include "tutor/pupils/pupil_folders.h"
#include "tutor/session/kept_place.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rods {

// The pupils of this computer account as the Working window keeps them: who
// starts (the pupil named on the command line, else the one who worked last,
// else the account's), the names known, and where each pupil left off. A
// place is written whole or not at all (a crash leaves the one before), and a
// damaged one is moved aside, never written over.
class PupilKeeper {
public:
    explicit PupilKeeper(std::string dataFolder);

    [[nodiscard]] QString startingPupil(const QString& named) const;
    [[nodiscard]] QStringList known() const;
    [[nodiscard]] const PupilFolders& folders() const { return folders_; }

    // Where the pupil left off, if kept and whole.
    [[nodiscard]] std::optional<KeptPlace> placeOf(const QString& pupil) const;
    // Keeps the place and the pupil as the one who worked last; empty when
    // done, or why not.
    QString keepPlace(const QString& pupil, KeptPlace place) const;
    // Keeps the pupil as the one who worked last, when another was.
    void rememberLast(const QString& pupil) const;

private:
    std::string data_;
    PupilFolders folders_;
};

} // namespace rods
