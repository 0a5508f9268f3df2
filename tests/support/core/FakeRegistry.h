#pragma once

#include "platform/core/Registry.h"

#include <QMap>
#include <QStringList>

// A registry in memory: the values a test puts there, writes recorded, and a failure to give on demand.
class FakeRegistry final : public Registry {
public:
    RegistryValue read(quint32 root, const QString& key, const QString& name) const override;
    RegistryWrite write(quint32 root, const QString& key, const QString& name, quint32 type,
                        const QByteArray& data) override;

    void put(quint32 root, const QString& key, const QString& name, quint32 type, const QByteArray& data);
    void putText(quint32 root, const QString& key, const QString& name, const QString& text);

    // Scripted: when its error is not 0, every write fails with it and stores nothing.
    RegistryWrite failure;
    // Recorded: "<key>\<name>=<data as text>" for each write.
    QStringList writes;

private:
    static QString path(quint32 root, const QString& key);
    QMap<QString, QMap<QString, RegistryValue>> keys_; // by root and key, then value name, in lower case
};
