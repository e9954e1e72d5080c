#pragma once
// Where the program keeps its files between runs: the remembered login in the
// user's data folder, the last downloaded team logos in the cache folder, the
// remembered window in the config folder.
#include <QString>

struct TUserFolders {
    QString data;   // the credentials file
    QString cache;  // the team logos
    QString config; // the settings file; none when empty
    // An empty data or cache folder is the current directory.

    QString CredentialsFile() const;
    // team 1 is the home team, 2 the away team.
    QString LogoFile(int team) const;
    // Empty when there is no config folder: the window is then not remembered.
    QString SettingsFile() const;
    // Creates both folders; false when one cannot be made.
    bool Create() const;
};

// `dataDir` (from --data-dir) holds every file when given; otherwise the
// platform's per-user data, cache and config folders of the application.
TUserFolders ChooseUserFolders(const QString& dataDir);
