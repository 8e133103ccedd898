#pragma once

// One visitor of a variant made from a lambda per alternative.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

// Clang 14 does not deduce the lambdas' types of an aggregate by itself.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;
