#include "search/names_index.h"

#include <cstring>
#include <random>
#include <system_error>
#include <vector>

#include "platform/cache_folder.h"
#include "support/file_bytes.h"

namespace ec {
namespace {

constexpr char kMagic[8] = {'E', 'C', 'N', 'A', 'M', 'E', 'S', '\0'};

uint64_t Fnv1a(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

class Writer {
 public:
  void Raw(const void* data, size_t size) { out_.append(static_cast<const char*>(data), size); }
  template <typename T>
  void Int(T value) {
    unsigned char bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
      bytes[i] = static_cast<unsigned char>(static_cast<uint64_t>(value) >> (8 * i));
    Raw(bytes, sizeof(T));
  }
  void Text(const std::string& text) {
    Int<uint32_t>(static_cast<uint32_t>(text.size()));
    out_ += text;
  }
  void Texts(const std::vector<std::string>& texts) {
    Int<uint32_t>(static_cast<uint32_t>(texts.size()));
    for (const std::string& t : texts) Text(t);
  }
  std::string& Bytes() { return out_; }

 private:
  std::string out_;
};

// Bounded reads: a read past the end yields nothing and makes the reader
// fail for good, and no count can ask for more items than bytes remain.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ == in_.size(); }
  template <typename T>
  T Int() {
    if (!Need(sizeof(T))) return 0;
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(T); ++i) value |= uint64_t{static_cast<unsigned char>(in_[pos_ + i])} << (8 * i);
    pos_ += sizeof(T);
    return static_cast<T>(value);
  }
  std::string Text() {
    const uint32_t size = Int<uint32_t>();
    if (!Need(size)) return {};
    std::string text(in_.substr(pos_, size));
    pos_ += size;
    return text;
  }
  // A count of items that take at least `each` bytes apiece.
  uint32_t Count(size_t each) {
    const uint32_t count = Int<uint32_t>();
    if (ok_ && count > (in_.size() - pos_) / each) ok_ = false;
    return ok_ ? count : 0;
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> texts(Count(4));
    for (std::string& t : texts) t = Text();
    return texts;
  }

 private:
  bool Need(size_t n) {
    if (ok_ && n > in_.size() - pos_) ok_ = false;
    return ok_;
  }
  std::string_view in_;
  size_t pos_ = 0;
  bool ok_ = true;
};

void WriteNames(Writer& w, const ModuleNames& names) {
  w.Texts(names.subroutines);
  w.Int<uint32_t>(static_cast<uint32_t>(names.classes.size()));
  for (const ClassNames& c : names.classes) {
    w.Text(c.name);
    w.Texts(c.methods);
  }
  for (const auto* list : {&names.dataTypes, &names.dllCommands, &names.constants, &names.globals}) w.Texts(*list);
}

ModuleNames ReadNames(Reader& r) {
  ModuleNames names;
  names.subroutines = r.Texts();
  names.classes.resize(r.Count(8));
  for (ClassNames& c : names.classes) {
    c.name = r.Text();
    c.methods = r.Texts();
  }
  for (auto* list : {&names.dataTypes, &names.dllCommands, &names.constants, &names.globals}) *list = r.Texts();
  return names;
}

}  // namespace

std::filesystem::path DefaultNamesIndexPath() {
  const std::filesystem::path folder = PlatformCacheFolder();
  return folder.empty() ? folder : folder / "names.index";
}

std::string LoadNamesIndex(const std::filesystem::path& file, NamesCache& cache) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return {};
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) return "cannot be read";
  constexpr size_t kHeader = sizeof(kMagic) + 8, kHash = 8;
  if (bytes->size() < kHeader + kHash || std::memcmp(bytes->data(), kMagic, sizeof(kMagic)) != 0)
    return "not a names index";
  const std::string_view body(bytes->data(), bytes->size() - kHash);
  Reader hash(std::string_view(*bytes).substr(body.size()));
  if (hash.Int<uint64_t>() != Fnv1a(body)) return "damaged (its check value does not match)";
  Reader r(body.substr(sizeof(kMagic)));
  if (const uint32_t version = r.Int<uint32_t>(); version != kNamesIndexVersion)
    return "of another version (" + std::to_string(version) + ")";
  std::vector<NamesCache::Stored> entries(r.Count(4 + 8 + 8 + 6 * 4));
  for (NamesCache::Stored& e : entries) {
    e.path = r.Text();
    e.stamp.size = r.Int<uint64_t>();
    e.stamp.modified = std::filesystem::file_time_type(std::filesystem::file_time_type::duration(r.Int<int64_t>()));
    e.names = std::make_shared<const ModuleNames>(ReadNames(r));
  }
  if (!r.Ok() || !r.AtEnd()) return "damaged (its entries do not fit the file)";
  // The least recently used first, so that the order of use comes back.
  for (auto e = entries.rbegin(); e != entries.rend(); ++e) cache.Put(e->path, e->stamp, e->names);
  return {};
}

std::string SaveNamesIndex(const std::filesystem::path& file, const NamesCache& cache) {
  Writer w;
  w.Raw(kMagic, sizeof(kMagic));
  w.Int<uint32_t>(kNamesIndexVersion);
  // Only modules read cleanly are kept: the index holds no read outcome, and
  // a damaged module must be read, and reported, again by the next search.
  std::vector<NamesCache::Stored> entries = cache.Entries();
  std::erase_if(entries, [](const NamesCache::Stored& e) { return !e.names->outcome.Clean(); });
  w.Int<uint32_t>(static_cast<uint32_t>(entries.size()));
  for (const NamesCache::Stored& e : entries) {
    w.Text(e.path);
    w.Int<uint64_t>(e.stamp.size);
    w.Int<int64_t>(static_cast<int64_t>(e.stamp.modified.time_since_epoch().count()));
    WriteNames(w, *e.names);
  }
  w.Int<uint64_t>(Fnv1a(w.Bytes()));
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  // A new file beside the old one, renamed over it: readers see one or the other.
  std::filesystem::path temporary = file;
  temporary += ".new" + std::to_string(std::random_device{}());
  if (!WriteFileBytes(temporary, w.Bytes())) {
    std::filesystem::remove(temporary, error);
    return "cannot write " + temporary.string();
  }
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return "cannot replace " + file.string();
  }
  return {};
}

}  // namespace ec
