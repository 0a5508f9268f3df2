#include "UserName.h"

#include <QFile>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>

QString loginName() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(1024);
    // The entry's strings live in the buffer; grow it while the system says it is too small.
    while (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < 1 << 20)
        buffer.resize(buffer.size() * 2);
    return chooseLoginName(found ? found->pw_name : nullptr, qEnvironmentVariable("USER"));
}

QString chooseLoginName(const char* accountName, const QString& userVariable) {
    if (accountName && *accountName) return QFile::decodeName(accountName);
    return userVariable;
}
