#include "platform/htmlhelp/ChmArchive.h"

#include <mspack.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <type_traits>

#include "platform/SharedLibrary.h"

namespace platform::chm {

namespace {

// libmspack reads the archive and writes unpacked files through this I/O
// table, entirely in memory: "archive" names the input, "output" the target.
struct MemorySystem {
    mspack_system base;
    const std::string* input = nullptr;
    std::string* output = nullptr;
};

struct MemoryFile {
    MemorySystem* system;
    bool writing;
    std::size_t pos = 0;
};

MemorySystem& systemOf(mspack_system* self)
{
    return *reinterpret_cast<MemorySystem*>(self);
}

MemoryFile& fileOf(mspack_file* file)
{
    return *reinterpret_cast<MemoryFile*>(file);
}

mspack_file* memOpen(mspack_system* self, const char* filename, int mode)
{
    MemorySystem& sys = systemOf(self);
    const bool writing = mode == MSPACK_SYS_OPEN_WRITE;
    if (writing ? std::strcmp(filename, "output") != 0 || !sys.output
                : mode != MSPACK_SYS_OPEN_READ || std::strcmp(filename, "archive") != 0 || !sys.input)
        return nullptr;
    return reinterpret_cast<mspack_file*>(new MemoryFile{&sys, writing});
}

void memClose(mspack_file* file)
{
    delete &fileOf(file);
}

int memRead(mspack_file* file, void* buffer, int bytes)
{
    MemoryFile& f = fileOf(file);
    if (f.writing || bytes < 0)
        return -1;
    const std::string& in = *f.system->input;
    const std::size_t n = std::min(static_cast<std::size_t>(bytes), in.size() - std::min(f.pos, in.size()));
    if (n > 0)
        std::memcpy(buffer, in.data() + f.pos, n);
    f.pos += n;
    return static_cast<int>(n);
}

int memWrite(mspack_file* file, void* buffer, int bytes)
{
    MemoryFile& f = fileOf(file);
    if (!f.writing || bytes < 0)
        return -1;
    std::string& out = *f.system->output;
    if (out.size() + static_cast<std::size_t>(bytes) > ChmArchive::kMaxEntrySize)
        return -1;
    out.append(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
    return bytes;
}

int memSeek(mspack_file* file, off_t offset, int mode)
{
    MemoryFile& f = fileOf(file);
    const auto size = static_cast<off_t>(f.writing ? f.system->output->size() : f.system->input->size());
    off_t base = 0;
    switch (mode) {
    case MSPACK_SYS_SEEK_START: base = 0; break;
    case MSPACK_SYS_SEEK_CUR: base = static_cast<off_t>(f.pos); break;
    case MSPACK_SYS_SEEK_END: base = size; break;
    default: return -1;
    }
    if (offset > size - base || offset < -base)
        return -1;
    f.pos = static_cast<std::size_t>(base + offset);
    return 0;
}

off_t memTell(mspack_file* file)
{
    return static_cast<off_t>(fileOf(file).pos);
}

void memMessage(mspack_file*, const char*, ...) {}

// The reader's library, loaded with the first help file opened; null when it
// or one of its functions is missing, and then no help file opens.
struct Mspack {
    decltype(&::mspack_create_chm_decompressor) createChmDecompressor = nullptr;
    decltype(&::mspack_destroy_chm_decompressor) destroyChmDecompressor = nullptr;
};

const Mspack* mspack()
{
    static const Mspack* const loaded = []() -> const Mspack* {
        static const platform::SharedLibrary library("libmspack.so.0");
        static Mspack m;
        m.createChmDecompressor = library.function<std::remove_pointer_t<decltype(m.createChmDecompressor)>>(
            "mspack_create_chm_decompressor");
        m.destroyChmDecompressor = library.function<std::remove_pointer_t<decltype(m.destroyChmDecompressor)>>(
            "mspack_destroy_chm_decompressor");
        return m.createChmDecompressor && m.destroyChmDecompressor ? &m : nullptr;
    }();
    return loaded;
}

void* memAlloc(mspack_system*, size_t bytes)
{
    return std::malloc(bytes);
}

void memFree(void* p)
{
    std::free(p);
}

void memCopy(void* src, void* dest, size_t bytes)
{
    std::memmove(dest, src, bytes);
}

} // namespace

struct ChmArchive::Impl {
    std::string bytes;
    MemorySystem system{};
    mschm_decompressor* decompressor = nullptr;
    mschmd_header* header = nullptr;
    std::map<std::string, mschmd_file*, std::less<>> files;

    Impl()
    {
        system.base = {memOpen, memClose, memRead, memWrite, memSeek, memTell, memMessage,
                       memAlloc, memFree, memCopy, nullptr};
        system.input = &bytes;
    }
    ~Impl()
    {
        if (decompressor) {
            if (header)
                decompressor->close(decompressor, header);
            mspack()->destroyChmDecompressor(decompressor);
        }
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
};

ChmArchive::ChmArchive(std::unique_ptr<Impl> impl) : impl_(std::move(impl))
{
    for (mschmd_file* f = impl_->header->files; f; f = f->next) {
        if (!f->filename || impl_->files.count(f->filename))
            continue;
        names_.emplace_back(f->filename);
        impl_->files.emplace(f->filename, f);
    }
}

ChmArchive::~ChmArchive() = default;

std::unique_ptr<ChmArchive> ChmArchive::open(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    std::string bytes;
    char buf[65536];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        bytes.append(buf, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxFileSize)
            return nullptr;
    }
    if (in.bad())
        return nullptr;
    return fromBytes(std::move(bytes));
}

std::unique_ptr<ChmArchive> ChmArchive::fromBytes(std::string bytes)
{
    if (bytes.size() > kMaxFileSize)
        return nullptr;
    const Mspack* library = mspack();
    if (!library)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->bytes = std::move(bytes);
    impl->decompressor = library->createChmDecompressor(&impl->system.base);
    if (!impl->decompressor)
        return nullptr;
    impl->header = impl->decompressor->open(impl->decompressor, "archive");
    if (!impl->header)
        return nullptr;
    return std::unique_ptr<ChmArchive>(new ChmArchive(std::move(impl)));
}

bool ChmArchive::contains(std::string_view name) const
{
    return impl_->files.find(name) != impl_->files.end();
}

std::optional<std::string> ChmArchive::read(std::string_view name) const
{
    const auto it = impl_->files.find(name);
    if (it == impl_->files.end())
        return std::nullopt;
    mschmd_file* file = it->second;
    if (file->length < 0 || static_cast<unsigned long long>(file->length) > kMaxEntrySize)
        return std::nullopt;
    std::string out;
    if (file->length == 0)
        return out;
    out.reserve(static_cast<std::size_t>(file->length));
    impl_->system.output = &out;
    const int err = impl_->decompressor->extract(impl_->decompressor, file, "output");
    impl_->system.output = nullptr;
    if (err != MSPACK_ERR_OK || out.size() != static_cast<std::size_t>(file->length))
        return std::nullopt;
    return out;
}

} // namespace platform::chm
