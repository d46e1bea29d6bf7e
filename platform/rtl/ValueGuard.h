#pragma once
// Sets a variable for a scope and gives it back its former value on every path out of it, an
// exception included (busy flags, re-entry guards).
template <class T>
class TValueGuard {
public:
    TValueGuard(T& variable, T value) : FVariable(variable), FFormer(variable) { variable = value; }
    ~TValueGuard() { FVariable = FFormer; }
    TValueGuard(const TValueGuard&) = delete;
    TValueGuard& operator=(const TValueGuard&) = delete;

private:
    T& FVariable;
    T FFormer;
};
