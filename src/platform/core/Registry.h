#pragma once

#include <QByteArray>
#include <QString>

// The few settings the program keeps outside its own files, as named values under keys of a system store
// (the Windows registry's model). A store may hold only the values the program uses, each kept wherever
// the desktop keeps that setting.

inline constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002;

// Value types.
inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_EXPAND_SZ = 2;
inline constexpr quint32 REG_BINARY = 3;
inline constexpr quint32 REG_DWORD = 4;

// The values the program reads and writes.
inline const QString CLÉ_DÉMARRAGE = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
inline const QString VALEUR_DÉMARRAGE = QStringLiteral("Pensoir"); // the program to start at login
inline const QString CLÉ_MSINFO = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString VALEUR_CHEMIN_MSINFO = QStringLiteral("PATH"); // the system-information tool
inline const QString CLÉ_EMPLACEMENT_OUTILS = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString VALEUR_DOSSIER_MSINFO = QStringLiteral("MSINFO"); // the tool's folder

// What reading one value found; data is whole, whatever its length.
struct RegistryValue {
    enum class State { Read, KeyMissing, ValueMissing };
    State state = State::KeyMissing;
    quint32 type = 0;
    QByteArray data;
};

// Outcome of a write: error 0 when it was done, else the platform error's number and text, and the place
// (file or key) that could not be written.
struct RegistryWrite {
    int error = 0;
    QString description;
    QString place;
    bool ok() const { return error == 0; }
};

// Key and value names compare without regard to case, as the registry compares them.
class Registry {
public:
    virtual ~Registry() = default;
    virtual RegistryValue read(quint32 root, const QString& key, const QString& name) const = 0;
    // Creates the key when it is missing, then writes the value.
    virtual RegistryWrite write(quint32 root, const QString& key, const QString& name, quint32 type,
                                const QByteArray& data) = 0;
};

// Texts are stored in the system's 8-bit code page.
QByteArray versPageDeCode(const QString& texte);
QString depuisPageDeCode(const QByteArray& octets);
