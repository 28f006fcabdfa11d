// Program entry; the start-up sequence is being built.
int main() { return 0; }
