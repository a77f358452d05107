// A program that crashes at once, for the test that a crash under Wine fails the test that ran it.
int main() {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
  return 0;
}
