// Ends by an access violation, for the test that a crash under the runner ends the process
// instead of waiting in a debugger.
int main() {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
