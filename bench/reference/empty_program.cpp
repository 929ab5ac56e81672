// What start-up is measured against: a C++ program that does nothing, built with the same flags
// and libraries and started the same way, so the figure is the program's own work, not the
// machine's cost of starting any process.
int main() {
    return 0;
}
