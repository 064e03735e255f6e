// The whole plug-in folder discovery that the Setup window runs once while it opens.
#pragma once

// Runs the five vendor searches and then the three editor probes, in that fixed order, adding
// every folder they prove to exist to the Candidate folder list. It uses its own 400-byte work
// buffer, so the caller's path buffer is left alone. Changes the current directory as it goes.
void RunDiscovery();
