#pragma once

#include <QString>

// The login name of the user the process runs as: the account's name in the user database, else $USER;
// empty when neither gives one.
QString loginName();

// The choice loginName makes between the account's name (null when the database has no entry) and $USER.
QString chooseLoginName(const char* accountName, const QString& userVariable);
