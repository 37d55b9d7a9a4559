# The phone: arm64, iOS 14 and later, built with Debian's clang and lld. There is no vendor
# SDK: device/CMakeLists.txt names the headers and the libraries' stubs.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR arm64)
set(LV_DEVICE ON)
set(LV_DEVICE_TARGET arm64-apple-ios14.0)
set(LV_LLVM_ROOT /usr/lib/llvm-14)

set(CMAKE_C_COMPILER ${LV_LLVM_ROOT}/bin/clang)
set(CMAKE_CXX_COMPILER ${LV_LLVM_ROOT}/bin/clang++)
set(CMAKE_C_COMPILER_TARGET ${LV_DEVICE_TARGET})
set(CMAKE_CXX_COMPILER_TARGET ${LV_DEVICE_TARGET})
# Without the phone's libraries a test program cannot link; a static library needs none.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# Every library comes from a stub named on the command line: none is implied.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -nostdlib")
