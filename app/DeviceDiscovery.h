// The burner and its drive scan at start-up. The scan runs on a thread of its
// own while start-up goes on; the burner's listing waits for a running scan,
// so a window that lists the drives early sees the whole list.
#pragma once

class CQuorvaApp;

// Creates theBurner.
void CreateBurner(CQuorvaApp& app);
// Starts the one drive scan of the run. False when the thread could not be
// started (the caller reports it).
bool StartDeviceDiscovery(CQuorvaApp& app);
// The start-up step: starts the scan, or shows "Can't start find device
// thread!" and ends the process.
void RunDeviceDiscoveryStep(CQuorvaApp& app);
// Waits for the scan thread at the very end of the process.
void FinishDeviceDiscovery();
