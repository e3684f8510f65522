#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>

namespace zbw {

// A growable array for the program's few short lists (its windows, a window's controls, a focus
// order). It stands in for std::vector, whose length checks throw and so would link the whole
// exception runtime into an executable built without exceptions; here memory comes from operator
// new, which ends the program through FatalStop when it runs out. Items must be default
// constructible and movable; a removed item is overwritten with a default-constructed one at once,
// so owned objects go when they leave the list.
template <typename T> class List {
  public:
    List() = default;
    List(List&& other) noexcept
        : items_(std::move(other.items_)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    List& operator=(List&& other) noexcept {
        items_ = std::move(other.items_);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        return *this;
    }
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    ~List() = default;

    T* begin() { return items_.get(); }
    T* end() { return items_.get() + size_; }
    const T* begin() const { return items_.get(); }
    const T* end() const { return items_.get() + size_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](std::size_t index) { return items_[index]; }
    const T& operator[](std::size_t index) const { return items_[index]; }
    std::reverse_iterator<T*> rbegin() { return std::reverse_iterator<T*>(end()); }
    std::reverse_iterator<T*> rend() { return std::reverse_iterator<T*>(begin()); }
    T& front() { return items_[0]; }
    const T& front() const { return items_[0]; }
    T& back() { return items_[size_ - 1]; }
    const T& back() const { return items_[size_ - 1]; }

    void push_back(T item) {
        if (size_ == capacity_) {
            Grow();
        }
        items_[size_++] = std::move(item);
    }

    // Removes the item at the position; the items after it move up by one.
    void erase(const T* position) {
        T* const gap = begin() + (position - begin());
        std::move(gap + 1, end(), gap);
        items_[--size_] = T{};
    }

    // Removes the items, the first first.
    void clear() {
        for (T& item : *this) {
            item = T{};
        }
        size_ = 0;
    }

  private:
    void Grow() {
        const std::size_t capacity = capacity_ == 0 ? 4 : capacity_ * 2;
        auto grown = std::make_unique<T[]>(capacity);
        std::move(begin(), end(), grown.get());
        items_ = std::move(grown);
        capacity_ = capacity;
    }

    std::unique_ptr<T[]> items_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Removes every item for which the predicate holds, keeping the order of the rest.
template <typename T, typename Predicate> void erase_if(List<T>& list, Predicate predicate) {
    T* const kept = std::remove_if(list.begin(), list.end(), predicate);
    while (list.end() != kept) {
        list.erase(list.end() - 1);
    }
}

} // namespace zbw
