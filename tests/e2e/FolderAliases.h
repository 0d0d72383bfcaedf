#pragma once
// Other paths to a folder, as a user may have them: a drive letter that maps to it, and a symbolic link
// to it. Under Wine both are made in the test's own prefix (a drive letter is a link in its dosdevices
// folder); on Windows through the system's calls. Each goes again with its object.
#include <string>

namespace dokkle::e2e {

class DriveLetterFor {
  public:
    explicit DriveLetterFor(const std::wstring& folder);
    ~DriveLetterFor();
    DriveLetterFor(const DriveLetterFor&) = delete;
    DriveLetterFor& operator=(const DriveLetterFor&) = delete;

    // "Y:\", or empty when no drive letter could be made.
    const std::wstring& Root() const { return root_; }

  private:
    std::wstring root_;
    std::string unixLink_;
};

class LinkTo {
  public:
    // A symbolic link at linkPath (a path without a trailing backslash) to the folder.
    LinkTo(const std::wstring& linkPath, const std::wstring& folder);
    ~LinkTo();
    LinkTo(const LinkTo&) = delete;
    LinkTo& operator=(const LinkTo&) = delete;

    // The link as a folder path ending in a backslash, or empty when it could not be made.
    const std::wstring& Folder() const { return folder_; }

  private:
    std::wstring link_;
    std::wstring folder_;
    std::string unixLink_;
};

}  // namespace dokkle::e2e
