#pragma once
// Outside objects created by ProgID: the data reader, the settings writer, the image encoder.

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace tabulon {

class OutsideObject {
public:
    virtual ~OutsideObject() = default;
};

namespace ProgId {
inline const QString DataReader = QStringLiteral("Marlox.ReadWriteFile");
inline const QString Settings = QStringLiteral("Pellund.clsSysPara");
inline const QString ImageEncoder = QStringLiteral("JpegEncoder.dll");
}  // namespace ProgId

// Creates outside objects. A ProgID that is not registered, or one a test made fail,
// raises error 429 (the component cannot create the object).
class ObjectFactory {
public:
    using Maker = std::function<std::unique_ptr<OutsideObject>()>;

    virtual ~ObjectFactory() = default;
    std::unique_ptr<OutsideObject> CreateObject(const QString& progId);

    // Typed creation: raises error 429 also when the object is not of the expected kind.
    template <typename T>
    std::unique_ptr<T> Create(const QString& progId)
    {
        std::unique_ptr<OutsideObject> o = CreateObject(progId);
        if (auto* typed = dynamic_cast<T*>(o.get())) {
            o.release();
            return std::unique_ptr<T>(typed);
        }
        throwCannotCreate();
        return nullptr;
    }

    void registerMaker(const QString& progId, Maker maker) { makers_[progId] = std::move(maker); }
    // Tests: make creation of this ProgID fail (or succeed again).
    void setFailing(const QString& progId, bool failing) { failing_[progId] = failing; }

private:
    [[noreturn]] static void throwCannotCreate();
    std::map<QString, Maker> makers_;
    std::map<QString, bool> failing_;
};

// A factory that knows the stand-ins of this project for every outside component.
std::unique_ptr<ObjectFactory> MakeStandardObjectFactory();

}  // namespace tabulon

namespace tabulon {
// Each stand-in registers its maker once (at library load) so the standard factory
// knows it: `const bool registered = RegisterStandardObject(ProgId::X, [] { ... });`
bool RegisterStandardObject(const QString& progId, ObjectFactory::Maker maker);
}  // namespace tabulon
