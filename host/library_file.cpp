#include "host/library_file.h"

#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace lv::host {

namespace {

// What an ELF file's header says it runs on.
struct Machine {
  unsigned char elfClass;
  unsigned char byteOrder;
  uint16_t number;
  bool operator==(const Machine&) const = default;
};

constexpr size_t kHeaderBytes = EI_NIDENT + 4;  // e_ident, e_type, e_machine: alike in both classes

std::optional<Machine> machineOf(const unsigned char* header) {
  if (std::memcmp(header, ELFMAG, SELFMAG) != 0) return std::nullopt;
  unsigned char byteOrder = header[EI_DATA];
  const unsigned char* machine = header + EI_NIDENT + 2;
  uint16_t number = byteOrder == ELFDATA2MSB ? machine[0] << 8 | machine[1] : machine[1] << 8 | machine[0];
  return Machine{header[EI_CLASS], byteOrder, number};
}

// The process's own header, mapped where its code was loaded.
Machine ownMachine() {
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&ownMachine), &info);
  return *machineOf(static_cast<const unsigned char*>(info.dli_fbase));
}

std::string describe(const Machine& machine) {
  constexpr std::pair<uint16_t, const char*> kNames[] = {
      {EM_X86_64, "x86-64"}, {EM_386, "x86"},      {EM_AARCH64, "AArch64"}, {EM_ARM, "ARM"},  {EM_RISCV, "RISC-V"},
      {EM_PPC64, "PowerPC"}, {EM_PPC, "PowerPC"}, {EM_S390, "IBM Z"},      {EM_MIPS, "MIPS"}};
  std::string name = "machine " + std::to_string(machine.number);
  for (const auto& [number, known] : kNames)
    if (number == machine.number) name = known;
  return name + (machine.elfClass == ELFCLASS32 ? " (32-bit" : " (64-bit") +
         (machine.byteOrder == ELFDATA2MSB ? ", big-endian)" : ")");
}

}  // namespace

}  // namespace lv::host

std::optional<std::string> lv::host::notALibraryFile(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return std::nullopt;
  return S_ISDIR(info.st_mode) ? "a folder, not a file" : "not a regular file";
}

std::optional<std::string> lv::host::foreignMachineError(const std::filesystem::path& file) {
  unsigned char header[kHeaderBytes];
  int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  bool whole = ::read(fd, header, sizeof header) == ssize_t(sizeof header);
  ::close(fd);
  std::optional<Machine> theirs = whole ? machineOf(header) : std::nullopt;
  Machine ours = ownMachine();
  if (!theirs || *theirs == ours) return std::nullopt;
  return "wrong architecture: the library is for " + describe(*theirs) + ", this host is " + describe(ours);
}
