// Replays a fuzz target's inputs with the ordinary compiler, no libFuzzer: every file of the folders
// given, hidden ones aside, goes through its LLVMFuzzerTestOneInput once. A failing input aborts as it
// would under libFuzzer; its path is the last one printed.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER...\n", argv[0]);
        return 2;
    }
    int rejouées = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dossier(QFile::decodeName(argv[i]));
        if (!dossier.exists()) {
            std::fprintf(stderr, "%s: no such folder\n", argv[i]);
            return 2;
        }
        for (const QFileInfo& entrée : dossier.entryInfoList(QDir::Files, QDir::Name)) {
            QFile fichier(entrée.filePath());
            if (!fichier.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(entrée.filePath()),
                             qPrintable(fichier.errorString()));
                return 2;
            }
            const QByteArray octets = fichier.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(entrée.filePath()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.constData()),
                                   static_cast<std::size_t>(octets.size()));
            ++rejouées;
        }
    }
    // No input at all means folders named wrongly, not a reader that passed.
    if (rejouées == 0) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    std::printf("%d inputs replayed\n", rejouées);
    return 0;
}
