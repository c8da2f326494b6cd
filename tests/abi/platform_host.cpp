// A host built as the real one is: for the platform's own C++ ABI (Microsoft's),
// with its own declarations of the interfaces written from their description,
// not the module's headers. It loads Jolvent10.dll with LoadLibrary, makes the
// components with create_interface and calls every operation of their tables
// as C++ virtual functions, so the compiler lays out the tables and passes
// this, results and records the way such a host does.
//
// Built by clang for x86_64-pc-windows-msvc without a C runtime; the few
// system functions it needs come from kernel32 and msvcrt. Prints one line per
// check and exits with the number of failures.
//
//   platform_host.exe <path to Jolvent10.dll>

// ---------------------------------------------------------------------------
// The system functions used.

extern "C" {
using Handle = void*;
__declspec(dllimport) Handle __stdcall GetStdHandle(unsigned long which);
__declspec(dllimport) int __stdcall WriteFile(Handle file, const void* data,
                                              unsigned long size, unsigned long* written,
                                              void* overlapped);
__declspec(dllimport) void __stdcall ExitProcess(unsigned int code);
__declspec(dllimport) const char* __stdcall GetCommandLineA();
__declspec(dllimport) void* __stdcall LoadLibraryA(const char* path);
__declspec(dllimport) void* __stdcall GetProcAddress(void* module, const char* name);
__declspec(dllimport) int __stdcall FreeLibrary(void* module);
// The module frees its objects with the C runtime's free; Wine's heap answers
// _msize of a freed block with -1, so the host can see whether it was freed.
__declspec(dllimport) unsigned long long __cdecl _msize(void* block);

// Called from the vtables of abstract classes; never reached.
int __cdecl _purecall() {
  ExitProcess(99);
  return 0;
}
}

// ---------------------------------------------------------------------------
// The host's declarations.

namespace host {

struct Guid {
  unsigned int data1;
  unsigned short data2;
  unsigned short data3;
  unsigned char data4[8];
};

constexpr Guid kPluginInterfaceId{
    0x50E47D69, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26}};
constexpr Guid kAttributeInterfaceId{
    0x50E47D67, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26}};

struct UuidRecord {
  unsigned int words[4];
};

struct AttributeResult {
  bool flag;
  int value;
};

class Scene;
class HostApp;
class shape_class;
class part_class;
class JointControl;
class BallJointFrame;
class Stream;

class IUnknown {
public:
  virtual long __stdcall QueryInterface(const Guid& iid, void** object) = 0;
  virtual unsigned long __stdcall AddRef() = 0;
  virtual unsigned long __stdcall Release() = 0;
};

class unknown_interface : public IUnknown {
public:
  virtual ~unknown_interface() = 0;
  virtual bool isAlive() = 0;
};

class plugin_interface : public unknown_interface {
public:
  virtual void activeShapesNotice(bool* flag, Scene* scene, int count,
                                  shape_class* const* shapes) = 0;
  virtual bool shapesChangedNotice(bool* flag, Scene* scene, int count,
                                   shape_class* const* shapes) = 0;
  virtual void jointDropNotice(bool* flag, Scene* scene) = 0;
  virtual void command(HostApp* app, Scene* scene) = 0;
  virtual void refreshNotice(bool* flag, Scene* scene) = 0;
  virtual int interfaceNumber() = 0;
  virtual void partNotice(bool* flag, part_class* part, long long value1,
                          long long value2) = 0;
  virtual void sceneNotice(bool* flag, Scene* scene) = 0;
  virtual void forwardedOperation(void* value1, void* value2, long long value3) = 0;
  virtual long long echo(long long value, long long second) = 0;
  virtual UuidRecord componentUuid() = 0;
  virtual UuidRecord secondIdentifier() = 0;
  virtual void shapeNotice(bool* flag, shape_class* shape, long long value1,
                           long long value2) = 0;
  virtual bool flagQuery(bool* flag) = 0;
  virtual void reserved1() = 0;
  virtual void reserved2() = 0;
  virtual void reserved3() = 0;
  virtual void reserved4() = 0;
  virtual void reserved5() = 0;
  virtual void reserved6() = 0;
  virtual void reserved7() = 0;
  virtual void reserved8() = 0;
};

class attribute_interface : public plugin_interface {
public:
  virtual bool clearJointSettings(shape_class* shape) = 0;
  virtual bool operation2() = 0;
  virtual bool operation3() = 0;
  virtual void operation4(bool* flag) = 0;
  virtual void operation5(bool* flag) = 0;
  virtual void operation6(bool* flag) = 0;
  virtual void operation7(bool* flag) = 0;
  virtual void operation8(void* value1, void* value2, long long value3) = 0;
  virtual int operation9() = 0;
  virtual int operation10() = 0;
  virtual AttributeResult operation11() = 0;
  virtual int operation12() = 0;
  virtual int operation13() = 0;
  virtual int operation14() = 0;
  virtual int operation15() = 0;
  virtual void operation16(bool* flag) = 0;
  virtual bool operation17() = 0;
  virtual void operation18(bool* flag) = 0;
  virtual bool operation19() = 0;
  virtual void attributeReserved1() = 0;
};

class HostApp : public IUnknown {
public:
  virtual bool isJapaneseUi(int reserved) = 0;
  virtual Scene* currentScene(int reserved) = 0;
  virtual bool isRecordingMotion(int reserved) = 0;
  virtual void* editWindow(int reserved) = 0;
};

class shape_class : public IUnknown {
public:
  virtual JointControl* jointControl(int reserved) = 0;
  virtual shape_class* parent(int reserved) = 0;
  virtual unsigned long long insideTarget(int reserved) = 0;
  virtual int shapeType(int reserved) = 0;
  virtual unsigned long long handle(int reserved) = 0;
  virtual const char* name(int reserved) = 0;
  virtual part_class* asPart(int reserved) = 0;
  virtual void remove(int reserved) = 0;
  virtual void updateParent(int reserved) = 0;
  virtual bool isPart(int reserved) = 0;
  virtual bool isRotatorJoint(int reserved) = 0;
  virtual bool isBallJoint(int reserved) = 0;
  virtual BallJointFrame* ballJointFrame(int reserved) = 0;
  virtual Stream* createStream(UuidRecord key, const UuidRecord* kind1,
                               const UuidRecord* kind2, const UuidRecord* kind3,
                               int reserved) = 0;
  virtual Stream* getStream(UuidRecord key, int reserved) = 0;
  virtual void deleteStream(UuidRecord key, int reserved) = 0;
};

class part_class : public shape_class {
public:
  virtual int partType(int reserved) = 0;
  virtual void worldMatrix(float* out, int reserved) = 0;
  virtual void setTransformation(const float* matrix, int reserved) = 0;
  virtual void setPartOption(int option, int reserved) = 0;
};

// The exported functions: plain C.
using HasInterface = int (*)(const Guid* id);
using GetName = const char* (*)(const Guid* id, int index, HostApp* app);
using GetUuid = UuidRecord (*)(const Guid* id, int index);
using CreateInterface = void (*)(const Guid* id, int index, unknown_interface** out);
using IsResident = bool (*)(const Guid* id, int index);
using GetTextEncoding = int (*)();

}  // namespace host

namespace {

using namespace host;

// ---------------------------------------------------------------------------
// Output and checks.

int gPassed = 0;
int gFailed = 0;

void write(const char* text) {
  unsigned long length = 0;
  while (text[length] != 0) ++length;
  unsigned long written = 0;
  WriteFile(GetStdHandle(static_cast<unsigned long>(-11)), text, length, &written,
            nullptr);
}

void writeNumber(unsigned long long value) {
  char digits[24];
  int at = 23;
  digits[at] = 0;
  do {
    digits[--at] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  write(digits + at);
}

void check(bool ok, const char* what) {
  write(ok ? "ok    " : "FAIL  ");
  write(what);
  write("\n");
  ok ? ++gPassed : ++gFailed;
}

bool sameRecord(const UuidRecord& record, unsigned int w0, unsigned int w1,
                unsigned int w2, unsigned int w3) {
  return record.words[0] == w0 && record.words[1] == w1 && record.words[2] == w2 &&
         record.words[3] == w3;
}

bool sameText(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return a == b;
  while (*a != 0 && *a == *b) ++a, ++b;
  return *a == *b;
}

// ---------------------------------------------------------------------------
// Host objects the module calls back: each counts what it was asked.

class TestApp final : public HostApp {
public:
  long __stdcall QueryInterface(const Guid&, void**) override { return 0x80004002L; }
  unsigned long __stdcall AddRef() override { return ++references; }
  unsigned long __stdcall Release() override { return --references; }
  bool isJapaneseUi(int reserved) override {
    ++languageQueries;
    reservedSeen |= reserved;
    return japanese;
  }
  Scene* currentScene(int reserved) override {
    reservedSeen |= reserved;
    ++otherCalls;
    return nullptr;
  }
  bool isRecordingMotion(int reserved) override {
    reservedSeen |= reserved;
    ++otherCalls;
    return false;
  }
  void* editWindow(int reserved) override {
    reservedSeen |= reserved;
    ++otherCalls;
    return nullptr;
  }

  bool japanese = false;
  int languageQueries = 0;
  int otherCalls = 0;
  int reservedSeen = 0;
  unsigned long references = 1;
};

// A shape the host made; a part when its kind says so. Its part view is a
// separate object, as a host with its own object layout may hand out.
class TestShape final : public part_class {
public:
  TestShape(int kind, const char* shapeName) : kind_(kind), name_(shapeName) {}

  long __stdcall QueryInterface(const Guid&, void**) override { return 0x80004002L; }
  unsigned long __stdcall AddRef() override { return note(); }
  unsigned long __stdcall Release() override { return note(); }
  JointControl* jointControl(int) override { return note(), nullptr; }
  shape_class* parent(int) override { return note(), nullptr; }
  unsigned long long insideTarget(int) override { return note(); }
  int shapeType(int reserved) override {
    ++typeQueries;
    reservedSeen |= reserved;
    return kind_;
  }
  unsigned long long handle(int) override { return note(); }
  const char* name(int reserved) override {
    ++nameQueries;
    reservedSeen |= reserved;
    return name_;
  }
  part_class* asPart(int reserved) override {
    ++partQueries;
    reservedSeen |= reserved;
    return partView;
  }
  void remove(int) override { note(); }
  void updateParent(int) override { note(); }
  bool isPart(int) override { return note(), kind_ == 2; }
  bool isRotatorJoint(int) override { return note(), false; }
  bool isBallJoint(int reserved) override {
    ++ballJointQueries;
    reservedSeen |= reserved;
    return false;
  }
  BallJointFrame* ballJointFrame(int) override { return note(), nullptr; }
  Stream* createStream(UuidRecord, const UuidRecord*, const UuidRecord*,
                       const UuidRecord*, int) override {
    return note(), nullptr;
  }
  Stream* getStream(UuidRecord, int) override { return note(), nullptr; }
  void deleteStream(UuidRecord, int) override { note(); }
  int partType(int) override { return note(), 0; }
  void worldMatrix(float*, int) override { note(); }
  void setTransformation(const float*, int) override { note(); }
  void setPartOption(int, int) override { note(); }

  part_class* partView = nullptr;
  int typeQueries = 0;
  int nameQueries = 0;
  int partQueries = 0;
  int ballJointQueries = 0;
  int otherCalls = 0;
  int reservedSeen = 0;

  bool askedOnly(int types, int names, int parts, int ballJoints) const {
    return typeQueries == types && nameQueries == names && partQueries == parts &&
           ballJointQueries == ballJoints && otherCalls == 0 && reservedSeen == 0;
  }
  void forget() { typeQueries = nameQueries = partQueries = ballJointQueries = 0; }

private:
  int note() { return ++otherCalls, 0; }

  int kind_;
  const char* name_;
};

// ---------------------------------------------------------------------------
// What the host sees when an operation throws: a structured exception of the
// module's compiler, which this host's C++ catch does not take.

constexpr unsigned long kGccExceptionCode = 0x20474343;  // "GCC " in the code's bytes

struct ExceptionRecord {
  unsigned long code;
  unsigned long flags;
};
struct ExceptionPointers {
  ExceptionRecord* record;
  void* context;
};

unsigned long gExceptionCode = 0;

int recordException(ExceptionPointers* pointers) {
  gExceptionCode = pointers->record->code;
  return 1;  // EXCEPTION_EXECUTE_HANDLER
}

template <class Call>
unsigned long exceptionFrom(Call call) {
  gExceptionCode = 0;
  __try {
    call();
  } __except (recordException(static_cast<ExceptionPointers*>(_exception_info()))) {
  }
  return gExceptionCode;
}

// ---------------------------------------------------------------------------
// The checks.

struct Module {
  HasInterface hasInterface;
  GetName getName;
  GetUuid getUuid;
  CreateInterface createInterface;
  IsResident isResident;
  GetTextEncoding textEncoding;
};

template <class Interface>
Interface* create(const Module& module, const Guid& id) {
  unknown_interface* object = nullptr;
  module.createInterface(&id, 0, &object);
  return static_cast<Interface*>(object);
}

void checkExports(const Module& module, TestApp& app) {
  check(module.hasInterface(&kPluginInterfaceId) == 1, "has_interface: plug-in 1");
  check(module.hasInterface(&kAttributeInterfaceId) == 1, "has_interface: attribute 1");
  check(sameRecord(module.getUuid(&kPluginInterfaceId, 0), 0x7EE80734, 0xBEB64C23,
                   0xA233273E, 0xBE61B210),
        "get_uuid: main record by value");
  check(sameRecord(module.getUuid(&kPluginInterfaceId, 1), 0, 0, 0, 0),
        "get_uuid: index 1 all zero");
  check(module.isResident(&kPluginInterfaceId, 0), "is_resident: main");
  check(!module.isResident(&kAttributeInterfaceId, 0), "is_resident: attribute not");
  check(module.textEncoding() == 932, "get_text_encoding: 932");

  // The module asks this host's application through its table.
  app.japanese = true;
  const char* japanese = module.getName(&kAttributeInterfaceId, 0, &app);
  app.japanese = false;
  const char* english = module.getName(&kAttributeInterfaceId, 0, &app);
  check(sameText(japanese, "Jolvent\x91\xae\x90\xab\x83\x4e\x83\x8a\x83\x41"),
        "get_name: the Japanese name when isJapaneseUi answers true");
  check(sameText(english, "Clear Jolvent Attribute"),
        "get_name: the English name when isJapaneseUi answers false");
  check(sameText(module.getName(&kPluginInterfaceId, 0, &app), "Jolvent..."),
        "get_name: main");
  check(app.languageQueries == 3 && app.reservedSeen == 0 && app.references == 1,
        "get_name: isJapaneseUi(0) asked once a call, no reference taken");
}

void checkUnknown(const Module& module, const Guid& id, const char* title) {
  write("-- IUnknown and unknown_interface of the ");
  write(title);
  write("\n");
  unknown_interface* object = create<unknown_interface>(module, id);
  check(object != nullptr, "create_interface writes the new object");
  if (object == nullptr) return;

  void* out = &out;
  check(
      object->QueryInterface(kPluginInterfaceId, &out) == static_cast<long>(0x80004002L),
      "QueryInterface answers E_NOINTERFACE");
  check(out == &out, "QueryInterface leaves the output alone");
  check(object->AddRef() == 2, "AddRef after create_interface answers 2");
  check(object->Release() == 1, "Release answers 1");
  check(object->isAlive(), "the operation after the destructor answers true");

  // Release to 0 frees through the destructor slot.
  check(object->AddRef() == 2, "AddRef again");
  check(object->Release() == 1 && _msize(object) != static_cast<unsigned long long>(-1),
        "Release to 1 keeps the object");
  check(object->Release() == 0, "the last Release answers 0");
  check(_msize(object) == static_cast<unsigned long long>(-1),
        "the last Release frees the object");

  // delete: the destructor slot with the free flag.
  object = create<unknown_interface>(module, id);
  delete object;
  check(_msize(object) == static_cast<unsigned long long>(-1),
        "delete frees through the destructor slot");

  // An explicit destructor call: the same slot without the free flag.
  object = create<unknown_interface>(module, id);
  object->~unknown_interface();
  check(_msize(object) != static_cast<unsigned long long>(-1),
        "the destructor slot without the free flag keeps the memory");
}

// Operations both components answer alike.
void checkCommonOperations(plugin_interface* component, bool clearsNoticeFlags) {
  TestShape part(2, "arm");
  TestShape partView(2, "arm");
  part.partView = &partView;
  TestShape line(3, "wire");
  shape_class* const shapes[] = {&part};

  bool flag = true;
  component->jointDropNotice(&flag, nullptr);
  check(flag == !clearsNoticeFlags, "joint-drop notice");
  flag = true;
  component->refreshNotice(&flag, nullptr);
  check(flag == !clearsNoticeFlags, "refresh notice");
  flag = true;
  component->sceneNotice(&flag, nullptr);
  check(flag == !clearsNoticeFlags, "scene notice without a scene");

  check(component->interfaceNumber() == 430286, "interface number 430286");

  flag = true;
  component->partNotice(&flag, &part, 1, 2);
  check(!flag && part.askedOnly(0, 0, 0, 0), "part notice clears the flag");

  check(component->echo(7, 0x1234567890LL) == 0x1234567890LL,
        "echo returns the second value");

  UuidRecord second = component->secondIdentifier();
  check(sameRecord(second, 0, 0, 0, 0), "second identifier: all zero, by value");

  flag = true;
  component->shapeNotice(&flag, &line, 1, 2);
  check(flag && line.askedOnly(1, 0, 0, 0),
        "shape notice: not a part by the host's shapeType, the flag kept");
  flag = true;
  component->shapeNotice(&flag, &part, 1, 2);
  check(!flag && part.askedOnly(1, 0, 1, 0),
        "shape notice: a part by shapeType, asPart asked, the part notice reached");
  part.forget();

  flag = true;
  check(component->flagQuery(&flag) && !flag, "flag query: answers true, flag false");

  check(exceptionFrom([&] { component->reserved1(); }) == kGccExceptionCode,
        "plugin_interface's first reserved slot raises the module's C++ exception");
  (void)shapes;
}

void checkMain(const Module& module, TestApp& app) {
  write("-- plugin_interface of the main component\n");
  plugin_interface* main = create<plugin_interface>(module, kPluginInterfaceId);
  if (main == nullptr) return check(false, "create_interface: main");

  TestShape guide(2, "#Jolvent_Guide");
  TestShape joint(2, "joint1");
  shape_class* const guideList[] = {&guide};
  shape_class* const jointList[] = {&joint};

  // The panel is hidden: the notices look, and change nothing.
  bool flag = true;
  main->activeShapesNotice(&flag, nullptr, 1, guideList);
  check(flag && guide.askedOnly(0, 1, 0, 0),
        "active-shape notice: the first shape's name read, the flag kept");
  flag = true;
  main->activeShapesNotice(&flag, nullptr, 0, nullptr);
  check(flag, "active-shape notice: an empty list reads no entry");
  flag = true;
  main->shapesChangedNotice(&flag, nullptr, 1, jointList);
  check(flag && joint.askedOnly(0, 0, 0, 1),
        "shape-change notice: each shape asked isBallJoint, the flag kept");

  const int appCalls = app.languageQueries + app.otherCalls;
  main->command(&app, nullptr);
  check(app.languageQueries + app.otherCalls >= appCalls && app.references == 1,
        "command: takes the application without a reference");

  checkCommonOperations(main, false);

  UuidRecord uuid = main->componentUuid();
  check(sameRecord(uuid, 0x7EE80734, 0xBEB64C23, 0xA233273E, 0xBE61B210),
        "componentUuid: the main record, by value");

  unsigned char sentinel[3] = {0x55, 0x55, 0x55};
  main->forwardedOperation(sentinel, sentinel + 1, 3);
  check(sentinel[0] == 0x55 && sentinel[1] == 0x55, "forwarded operation: does nothing");

  check(main->Release() == 0, "Release frees the main component");
}

void checkAttribute(const Module& module) {
  write("-- plugin_interface and attribute_interface of the attribute component\n");
  attribute_interface* attribute =
      create<attribute_interface>(module, kAttributeInterfaceId);
  if (attribute == nullptr) return check(false, "create_interface: attribute");

  TestShape joint(2, "joint1");
  shape_class* const jointList[] = {&joint};
  bool flag = true;
  attribute->activeShapesNotice(&flag, nullptr, 1, jointList);
  check(!flag && joint.askedOnly(0, 0, 0, 0), "active-shape notice clears the flag");
  flag = true;
  check(!attribute->shapesChangedNotice(&flag, nullptr, 1, jointList) && !flag &&
            joint.askedOnly(0, 0, 0, 0),
        "shape-change notice clears the flag");

  // The command of the attribute does nothing: its first argument is no flag.
  unsigned char notAnApp[16];
  for (unsigned char& byte : notAnApp) byte = 0x55;
  attribute->command(reinterpret_cast<HostApp*>(notAnApp), nullptr);
  check(notAnApp[0] == 0x55, "command does nothing");

  checkCommonOperations(attribute, true);

  UuidRecord uuid = attribute->componentUuid();
  check(sameRecord(uuid, 0xB172CE52, 0x398B446A, 0x862CD881, 0x7C6AE356),
        "componentUuid: the attribute record, by value");

  // Forwarded to the eighth attribute operation, which does nothing: a flag
  // operation in its place would write the byte.
  unsigned char sentinel[3] = {0x55, 0x55, 0x55};
  attribute->forwardedOperation(sentinel, sentinel + 1, 3);
  check(sentinel[0] == 0x55 && sentinel[1] == 0x55,
        "forwarded operation reaches the eighth attribute operation");

  // The nineteen attribute operations, in order.
  TestShape bare(2, "bare");
  check(!attribute->clearJointSettings(&bare), "1: clearJointSettings answers false");
  check(bare.otherCalls == 1 && bare.reservedSeen == 0,
        "1: clearJointSettings asks the shape for its stream");
  check(!attribute->operation2(), "2: answers false");
  check(!attribute->operation3(), "3: answers false");
  flag = false;
  attribute->operation4(&flag);
  check(flag, "4: sets the flag");
  attribute->operation5(&flag);
  check(!flag, "5: clears the flag");
  flag = true;
  attribute->operation6(&flag);
  check(!flag, "6: clears the flag");
  attribute->operation7(&flag);
  check(flag, "7: sets the flag");
  attribute->operation8(sentinel, sentinel + 1, 3);
  check(sentinel[0] == 0x55, "8: does nothing");
  check(attribute->operation9() == 1, "9: answers 1");
  check(attribute->operation10() == 0, "10: answers 0");
  AttributeResult result = attribute->operation11();
  check(result.flag && result.value == 0,
        "11: the result record with its flag set, by value");
  check(attribute->operation12() == 1, "12: answers 1");
  check(attribute->operation13() == 0, "13: answers 0");
  check(attribute->operation14() == 0, "14: answers 0");
  check(attribute->operation15() == 0, "15: answers 0");
  flag = true;
  attribute->operation16(&flag);
  check(!flag, "16: clears the flag");
  check(!attribute->operation17(), "17: answers false");
  flag = true;
  attribute->operation18(&flag);
  check(!flag, "18: clears the flag");
  check(!attribute->operation19(), "19: answers false");

  check(exceptionFrom([&] { attribute->reserved8(); }) == kGccExceptionCode,
        "plugin_interface's last reserved slot raises the module's C++ exception");
  check(exceptionFrom([&] { attribute->attributeReserved1(); }) == kGccExceptionCode,
        "attribute_interface's first reserved slot raises the module's C++ exception");

  check(attribute->Release() == 0, "Release frees the attribute component");
}

// The last argument of the command line, quotes removed.
const char* lastArgument(char* buffer, int size) {
  const char* line = GetCommandLineA();
  const char* start = line;
  for (const char* at = line; *at != 0; ++at) {
    if (*at == ' ' && at[1] != ' ' && at[1] != 0) start = at + 1;
  }
  int length = 0;
  for (const char* at = start; *at != 0 && length < size - 1; ++at) {
    if (*at != '"') buffer[length++] = *at;
  }
  while (length > 0 && buffer[length - 1] == ' ') --length;
  buffer[length] = 0;
  return buffer;
}

template <class Function>
bool resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(GetProcAddress(library, name));
  if (function == nullptr) {
    write("missing export ");
    write(name);
    write("\n");
  }
  return function != nullptr;
}

}  // namespace

extern "C" void start() {
  char path[1024];
  lastArgument(path, sizeof path);
  void* library = LoadLibraryA(path);
  if (library == nullptr) {
    write("cannot load ");
    write(path);
    write("\n");
    ExitProcess(100);
  }
  Module module{};
  if (!resolve(library, "has_interface", module.hasInterface) ||
      !resolve(library, "get_name", module.getName) ||
      !resolve(library, "get_uuid", module.getUuid) ||
      !resolve(library, "create_interface", module.createInterface) ||
      !resolve(library, "is_resident", module.isResident) ||
      !resolve(library, "get_text_encoding", module.textEncoding)) {
    ExitProcess(101);
  }

  TestApp app;
  checkExports(module, app);
  checkUnknown(module, kPluginInterfaceId, "main component");
  checkUnknown(module, kAttributeInterfaceId, "attribute component");
  checkMain(module, app);
  checkAttribute(module);
  check(app.reservedSeen == 0 && app.references == 1,
        "the application: every trailing argument 0, no reference kept");

  FreeLibrary(library);
  writeNumber(static_cast<unsigned long long>(gPassed));
  write(" passed, ");
  writeNumber(static_cast<unsigned long long>(gFailed));
  write(" failed\n");
  ExitProcess(static_cast<unsigned int>(gFailed));
}
