#pragma once

// A platform service that window tests replace (the dialogs, the clipboard and printer), so
// that no test waits for a screen. Service derives from Replaceable<Service> and provides
// real(), the desktop's own implementation.
template <typename Service> class Replaceable
{
public:
    // The service in use: the one a test installed, or else the real one.
    static Service& current() { return s_installed ? *s_installed : Service::real(); }
    // Installs another service (nullptr restores the real one); the caller keeps ownership.
    static void install(Service* service) { s_installed = service; }

private:
    inline static Service* s_installed = nullptr;
};
