// Stands in for the desktop program where this tree does not build it, so that the installer
// can be made and tried: it does nothing.
int main() {
    return 0;
}
