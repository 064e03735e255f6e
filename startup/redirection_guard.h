// RedirectionGuard: the process follows no junction that a standard user made.
#pragma once

// Turns it on where Windows offers it (Windows 11, Windows 10 22H2); elsewhere nothing changes.
void EnableRedirectionGuard();
