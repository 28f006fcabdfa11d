#pragma once

#include <QString>

// The user logged in: the login name and the personnel number.
struct TUserInformation {
  QString UserName;
  QString UserId;
};

class IUserInformation {
 public:
  virtual ~IUserInformation() = default;
  virtual TUserInformation GetCurrentUser() = 0;
};
