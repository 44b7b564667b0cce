// Binds a store to random file content, then runs random operations on it.
// Checks after every operation that the file, once its writer has caught up,
// holds exactly the content, and that a placed text reads back.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "settings/control_state_store.h"
#include "support/file_bytes.h"
#include "settings/store_values.h"
#include "tests/support/temp_dir.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The file is written by a thread of its own and trails the content until flushed.
void CheckFileMatches(ec::ControlStateStore& store, const std::filesystem::path& path) {
  if (!store.IsFileOpen()) return;
  Check(store.Flush());
  Check(ec::ReadFileBytes(path) == store.RawContent());
}

std::string Name(FuzzedDataProvider& input) { return input.ConsumeRandomLengthString(6); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // One folder for the process; the file and its side files are made afresh per run.
  static const ec::test::TempDir folder;
  const auto path = folder / "store.ini";
  std::error_code ignored;
  std::filesystem::remove_all(folder / "inibin", ignored);
  ec::WriteFileBytes(path, input.ConsumeRandomLengthString(4096));

  ec::ControlStateStore store;
  store.Bind(path);
  int pump_mode = 0;  // 0 none, 1 one nested write, 2 keep undoing the write
  store.SetEventPump([&] {
    if (pump_mode == 1) {
      pump_mode = 0;
      store.WriteText("nested", "n");
    } else if (pump_mode == 2) {
      store.Release();
      ec::WriteFileBytes(path, "");
      store.Bind(path);
    }
  });
  int failures = 0;
  store.SetFailureHandler([&](const ec::StoreWriteFailure&) { ++failures; });

  for (int op = 0; op < 48 && input.remaining_bytes() > 0; ++op) {
    const int choice = input.ConsumeIntegralInRange(0, 10);
    switch (choice) {
      case 0: store.SetSection(Name(input)); break;
      case 1: {
        const std::string key = Name(input);
        const std::string text = input.ConsumeRandomLengthString(32);
        const bool quiet = pump_mode == 0;
        if (store.WriteText(key, text) && quiet) {
          Check(store.ReadText(key, "") == ec::DecodeStoredText(ec::EncodeStoredText(text)));
        }
        break;
      }
      case 2: store.WriteNumber(Name(input), input.ConsumeFloatingPoint<double>()); break;
      case 3: store.WriteLogical(Name(input), input.ConsumeBool()); break;
      case 4: store.WriteBytes(Name(input), input.ConsumeRandomLengthString(32)); break;
      case 5: store.ReadText(Name(input), "d"); break;
      case 6: store.ReadNumber(Name(input), 1); break;
      case 7: store.ReadLogical(Name(input), true); break;
      case 8: store.ReadBytes(Name(input), "d"); break;
      case 9: pump_mode = input.ConsumeIntegralInRange(0, 2); break;
      default: {
        const std::string before = store.RawContent();
        const bool was_open = store.IsFileOpen();
        store.Release();
        store.Bind(path);
        if (was_open) Check(store.RawContent() == before);
        break;
      }
    }
    if (pump_mode != 2) CheckFileMatches(store, path);
  }
  store.SetEventPump({});
  return 0;
}
