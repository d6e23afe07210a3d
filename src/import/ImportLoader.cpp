// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportModule.h"

#include "instance/BarHandOver.h"

#include <dlfcn.h>

#include <mutex>

// Resolves to null unless this program links the importers in.
extern "C" __attribute__((weak)) const SImportFunctions* lumora_import_functions();

namespace {

struct SLoaded {
    const SImportFunctions* functions = nullptr;
    std::string problem;
};

SLoaded Load()
{
    if (lumora_import_functions) return {lumora_import_functions(), {}};
    const std::string self = SelfExecutable();
    const std::size_t slash = self.rfind('/');
    if (slash == std::string::npos) return {nullptr, "this program's own folder is unknown"};
    const std::string path = self.substr(0, slash + 1) + kImportModuleName;
    // Kept loaded for the rest of the bar's life: the engines it read hold
    // nothing of it, but unloading buys nothing either.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* error = dlerror();
        return {nullptr, error ? error : path + " cannot be loaded"};
    }
    using Entry = const SImportFunctions* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(module, "lumora_import_functions"));
    if (!entry) return {nullptr, path + " has no importers"};
    return {entry(), {}};
}

}  // namespace

const SImportFunctions* ImportFunctions(std::string* problem)
{
    static std::once_flag once;
    static SLoaded loaded;
    std::call_once(once, [] { loaded = Load(); });
    if (!loaded.functions && problem) *problem = loaded.problem;
    return loaded.functions;
}
