#pragma once

namespace pickpath {

// The whole run: with arguments (as programArguments gives them, from argc/argv
// or the platform's own command line), echo each as a line; without, write each path picked
// in the Open dialog until one comes back empty. Then write "Test", run the
// platform's wait command for five seconds and return 0.
int runDriver(int argc, char** argv);

}  // namespace pickpath
