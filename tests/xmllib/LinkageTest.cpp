// Tessaly is a shared library of its own: this program finds it loaded as a
// separate object and calls into it through exported symbols.
#include <tessaly/VantorelTessaly.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

TEST(Linkage, TheLibraryIsASeparateSharedObject)
{
    // Already loaded by the dynamic linker, so RTLD_NOLOAD finds it.
    void* library = dlopen(TESSALY_SONAME, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr) << TESSALY_SONAME << " is not loaded";

    // The class's operations are exported by the library, and the definition
    // this program uses is the library's own.
    void* read = dlsym(library, "_ZN15VantorelTessaly4ReadEv");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "_ZN15VantorelTessaly4ReadEv"), read);
    Dl_info info{};
    ASSERT_NE(dladdr(read, &info), 0);
    EXPECT_NE(std::string(info.dli_fname).find("libTessaly.so"), std::string::npos) << info.dli_fname;

    dlclose(library);

    VantorelTessaly doc;
    EXPECT_EQ(doc.Root()->Text(), "?root?");
}
