#include "FakeRegistry.h"

QString FakeRegistry::path(quint32 root, const QString& key) {
    return QString::number(root, 16) + QLatin1Char('\\') + key.toLower();
}

RegistryValue FakeRegistry::read(quint32 root, const QString& key, const QString& name) const {
    const auto found = keys_.constFind(path(root, key));
    if (found == keys_.cend()) return {};
    return found->value(name.toLower(), RegistryValue{RegistryValue::State::ValueMissing, 0, {}});
}

RegistryWrite FakeRegistry::write(quint32 root, const QString& key, const QString& name, quint32 type,
                                  const QByteArray& data) {
    writes << key + QLatin1Char('\\') + name + QLatin1Char('=') + depuisPageDeCode(data);
    if (!failure.ok()) return failure;
    put(root, key, name, type, data);
    return {};
}

void FakeRegistry::put(quint32 root, const QString& key, const QString& name, quint32 type,
                       const QByteArray& data) {
    keys_[path(root, key)][name.toLower()] = {RegistryValue::State::Read, type, data};
}

void FakeRegistry::putText(quint32 root, const QString& key, const QString& name, const QString& text) {
    put(root, key, name, REG_SZ, versPageDeCode(text) + '\0');
}
