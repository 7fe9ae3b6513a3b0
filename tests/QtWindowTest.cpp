// The Qt windows and controls keep the same contract as the headless ones.
