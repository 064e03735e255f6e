// Links like the installer (C driver, no libstdc++) and uses what the product may use of C++:
// classes with virtual and pure virtual functions, new and delete in all their forms. It exits
// with 0 when they behave.
#include <stdint.h>

#include <new>

#include <windows.h>

namespace {

class Shape {
 public:
  virtual ~Shape() = default;
  virtual int Corners() const = 0;
};

class Square : public Shape {
 public:
  int Corners() const override { return 4; }
};

int Check() {
  Shape* shape = new (std::nothrow) Square;
  if (!shape || shape->Corners() != 4) return 1;
  delete shape;
  int* numbers = new (std::nothrow) int[1000];
  if (!numbers) return 2;
  numbers[999] = 7;
  delete[] numbers;
  // More than any address space holds: the nothrow form reports it with null.
  if (::operator new(static_cast<size_t>(PTRDIFF_MAX), std::nothrow)) return 3;
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Check(); }
