// Any bytes make an autostart setting without harm, and the entry written for a program reads back as
// that program, switched on.
#include "platform/core/AutostartEntry.h"

#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void vérifier(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const AutostartSetting lu = readAutostartEntry(octets);
    vérifier(lu.enabled || lu.program.isEmpty());

    // The same bytes as the program's path and the program folder, split at the first NUL: the program is
    // always an absolute path, and never env itself, which a reader takes for the prefix.
    const qsizetype nul = octets.indexOf('\0');
    const QString programme =
        QLatin1Char('/') + QString::fromUtf8(octets.left(nul < 0 ? octets.size() : nul));
    const QString dossier = nul < 0 ? QString() : QString::fromUtf8(octets.mid(nul + 1));
    if (QFileInfo(programme).fileName() == QLatin1String("env")) return 0;
    const AutostartSetting relu = readAutostartEntry(autostartEntry(programme, dossier));
    vérifier(relu.enabled && relu.program == programme);
    return 0;
}
