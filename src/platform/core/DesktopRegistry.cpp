#include "DesktopRegistry.h"

#include "AutostartEntry.h"
#include "ErreursPlateforme.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

const QString ENTRY_NAME = QStringLiteral("pensoir.desktop");
// In the order they are looked for.
const QStringList TOOLS = {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")};
// Far beyond any desktop entry; a larger file is read up to there only.
constexpr qint64 ENTRY_READ_LIMIT = 64 * 1024;
const RegistryValue VALUE_MISSING{RegistryValue::State::ValueMissing, 0, {}};

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

RegistryValue textValue(const QString& text) {
    return {RegistryValue::State::Read, REG_SZ, versPageDeCode(text) + '\0'};
}

RegistryWrite failure(int errnoValue, const QString& place) {
    const int number = Numéro_Erreur_Système(errnoValue != 0 ? errnoValue : EIO);
    return {number, Description_Erreur(number), place};
}

int errorOr(int fallback) {
    return errno != 0 ? errno : fallback;
}

// Writes the whole file beside its target and renames it over, so that the session never reads half an
// entry; answers 0 or the errno value of the step that failed.
int writeWhole(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray aside = target + ".tmp";
    const int descriptor = ::open(aside.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) return errorOr(EIO);
    int error = 0;
    qsizetype done = 0;
    while (error == 0 && done < bytes.size()) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written > 0)
            done += written;
        else if (written == 0 || errno != EINTR)
            error = errorOr(EIO);
    }
    if (error == 0 && ::fsync(descriptor) != 0) error = errorOr(EIO);
    if (::close(descriptor) != 0 && error == 0) error = errorOr(EIO);
    if (error == 0 && std::rename(aside.constData(), target.constData()) != 0) error = errorOr(EIO);
    if (error != 0) ::unlink(aside.constData());
    return error;
}

} // namespace

DesktopPlaces DesktopPlaces::ofThisSession(const ProgramFolder& folder) {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/autostart"),
            {},
            folder.requested ? folder.path : QString()};
}

DesktopRegistry::DesktopRegistry(DesktopPlaces places) : places_(std::move(places)) {}

QString DesktopRegistry::autostartFile() const {
    return places_.autostartFolder + QLatin1Char('/') + ENTRY_NAME;
}

RegistryValue DesktopRegistry::read(quint32 root, const QString& key, const QString& name) const {
    if (root != HKEY_LOCAL_MACHINE) return {};
    if (same(key, CLÉ_DÉMARRAGE)) return same(name, VALEUR_DÉMARRAGE) ? readAutostart() : VALUE_MISSING;
    if (same(key, CLÉ_MSINFO)) return same(name, VALEUR_CHEMIN_MSINFO) ? findTool() : VALUE_MISSING;
    return {};
}

RegistryWrite DesktopRegistry::write(quint32 root, const QString& key, const QString& name, quint32 type,
                                     const QByteArray& data) {
    if (root != HKEY_LOCAL_MACHINE || !same(key, CLÉ_DÉMARRAGE) || !same(name, VALEUR_DÉMARRAGE) ||
        type != REG_SZ)
        return {ERREUR_ACCES_REFUSE, Description_Erreur(ERREUR_ACCES_REFUSE), key + QLatin1Char('\\') + name};
    QByteArray text = data;
    while (text.endsWith('\0'))
        text.chop(1);
    const QString program = depuisPageDeCode(text).trimmed();
    return program.isEmpty() ? removeAutostart() : writeAutostart(program);
}

RegistryValue DesktopRegistry::readAutostart() const {
    // Only a regular file: a pipe left under the entry's name would wait forever.
    QFile file(autostartFile());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return VALUE_MISSING;
    const AutostartSetting setting = readAutostartEntry(file.read(ENTRY_READ_LIMIT));
    if (!setting.enabled) return VALUE_MISSING;
    return textValue(setting.program);
}

RegistryValue DesktopRegistry::findTool() const {
    for (const QString& tool : TOOLS) {
        const QString found = QStandardPaths::findExecutable(tool, places_.searchFolders);
        if (!found.isEmpty()) return textValue(found);
    }
    return VALUE_MISSING;
}

RegistryWrite DesktopRegistry::writeAutostart(const QString& program) const {
    const QString file = autostartFile();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(places_.autostartFolder).toStdString(), error);
    if (error) return failure(error.value(), file);
    if (const int failed = writeWhole(file, autostartEntry(program, places_.programFolder)))
        return failure(failed, file);
    return {};
}

RegistryWrite DesktopRegistry::removeAutostart() const {
    const QString file = autostartFile();
    if (::unlink(QFile::encodeName(file).constData()) != 0 && errno != ENOENT && errno != ENOTDIR)
        return failure(errno, file);
    return {};
}
