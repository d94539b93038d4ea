#include "core/batch/evaluation_folder.h"

#include "core/system/descriptor.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace sorvik1 {

namespace {

using Identity = std::pair<dev_t, ino_t>;

bool permanenceName(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".txt";
}

std::string openFailure(int error) {
    if (error == EACCES || error == EPERM) {
        return "Der Ordner lässt sich nicht öffnen; es fehlt wohl die Berechtigung.";
    }
    if (error == EMFILE || error == ENFILE) {
        return "Der Ordner lässt sich nicht öffnen: Zu viele Ordner sind zugleich offen.";
    }
    return "Der Ordner lässt sich nicht öffnen (Systemfehler " + std::to_string(error) + ").";
}

// A folder still to be walked: its name in the parent folder, which stays
// open until the last of its sub-folders is.
struct Waiting {
    std::shared_ptr<Descriptor> parent;
    std::string name;
    std::string path;
};

// A file seen, with its identity when it has one.
struct Sighting {
    std::string path;
    bool known = false;
    Identity identity;
};

class Walk {
  public:
    Walk(const FolderOpen& open, std::stop_token stop) : open_(open), stop_(std::move(stop)) {}

    FolderListing run(std::string folder) {
        if (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        waiting_.push_back({nullptr, folder, folder});
        while (!waiting_.empty()) {
            if (stop_.stop_requested()) {
                listing_.cancelled = true;
                break;
            }
            Waiting next = std::move(waiting_.back());
            waiting_.pop_back();
            visit(next);
        }
        settleFolderLinks();
        settleFiles();
        std::sort(listing_.refused.begin(), listing_.refused.end(),
                  [](const FileRefusal& a, const FileRefusal& b) { return a.path < b.path; });
        return std::move(listing_);
    }

  private:
    void visit(const Waiting& folder) {
        const int at = folder.parent ? folder.parent->get() : AT_FDCWD;
        // Only the chosen folder itself may be a link; below it, links
        // are judged by where they lead.
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (folder.parent ? O_NOFOLLOW : 0);
        const auto descriptor = std::make_shared<Descriptor>(open_(at, folder.name.c_str(), flags));
        if (descriptor->get() < 0) {
            listing_.refused.push_back({folder.path, openFailure(errno)});
            return;
        }
        struct stat info {};
        if (::fstat(descriptor->get(), &info) != 0 ||
            !walked_.insert({info.st_dev, info.st_ino}).second) {
            return;
        }
        DIR* entries = ::fdopendir(::dup(descriptor->get()));
        if (entries == nullptr) {
            listing_.refused.push_back({folder.path, openFailure(errno)});
            return;
        }
        errno = 0;
        while (const dirent* entry = ::readdir(entries)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                look(descriptor, name, folder.path + "/" + name);
            }
            errno = 0;
        }
        if (errno != 0) {
            listing_.refused.push_back({folder.path, "Der Ordner ließ sich nicht ganz lesen."});
        }
        ::closedir(entries);
    }

    void look(const std::shared_ptr<Descriptor>& folder, const std::string& name,
              const std::string& path) {
        struct stat own {};
        if (::fstatat(folder->get(), name.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0) {
            if (permanenceName(name)) {
                files_.push_back({path, false, {}});
            }
            return;
        }
        if (S_ISDIR(own.st_mode)) {
            waiting_.push_back({folder, name, path});
            return;
        }
        struct stat target = own;
        const bool link = S_ISLNK(own.st_mode);
        const bool reached = !link || ::fstatat(folder->get(), name.c_str(), &target, 0) == 0;
        if (reached && link && S_ISDIR(target.st_mode)) {
            folderLinks_.push_back({path, true, {target.st_dev, target.st_ino}});
        } else if (permanenceName(name)) {
            // A link that leads nowhere is read anyway, so that the reading
            // names what is wrong with it.
            files_.push_back({path, reached, {target.st_dev, target.st_ino}});
        }
    }

    // Every folder inside has been walked by now; a link to one of them
    // adds nothing, a link to any other leads out.
    void settleFolderLinks() {
        for (const Sighting& link : folderLinks_) {
            if (!listing_.cancelled && walked_.count(link.identity) == 0) {
                listing_.refused.push_back(
                    {link.path, "Verweis aus dem Ordner hinaus, nicht gefolgt."});
            }
        }
    }

    void settleFiles() {
        std::sort(files_.begin(), files_.end(),
                  [](const Sighting& a, const Sighting& b) { return a.path < b.path; });
        std::map<Identity, const std::string*> first;
        for (const Sighting& file : files_) {
            if (file.known) {
                const auto [seen, fresh] = first.emplace(file.identity, &file.path);
                if (!fresh) {
                    listing_.refused.push_back({file.path, "dieselbe Datei wie " + *seen->second});
                    continue;
                }
            }
            listing_.files.push_back(file.path);
        }
    }

    const FolderOpen& open_;
    std::stop_token stop_;
    FolderListing listing_;
    std::vector<Waiting> waiting_;
    std::set<Identity> walked_;
    std::vector<Sighting> files_;
    std::vector<Sighting> folderLinks_;
};

} // namespace

int systemFolderOpen(int parent, const char* name, int flags) {
    const int descriptor = ::openat(parent, name, flags);
    // Reading a folder needs no right to enter it, but reading its files does.
    if (descriptor >= 0 && ::faccessat(descriptor, ".", X_OK, AT_EACCESS) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return -1;
    }
    return descriptor;
}

FolderListing permanenceFilesIn(const std::string& folder, std::stop_token stop,
                                const FolderOpen& open) {
    return Walk(open, std::move(stop)).run(folder);
}

} // namespace sorvik1
